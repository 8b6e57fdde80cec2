#Include once "gadgetkit.bi"
 
#define  IDC_NAMED   77
 
Dim as Integer screen_x,screen_y
screen_x = GetSystemMetrics(SM_CXSCREEN)        ' if needed 
screen_y = GetSystemMetrics(SM_CYSCREEN)        ' if needed 
 
 
Var hwnd1=OpenWindow("Head", 0,0,300,200)
SetGadgetFont (,LoadFont ("Tahoma", 9))
UseGadgetList (hwnd1)
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_OPEN
 		     '     301
		          Case 12
 		     '     12
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_NAMED
                    '77
              Case  113
                    'IDOK in SECOND
          End Select
      End Select
Loop
'
 
 

