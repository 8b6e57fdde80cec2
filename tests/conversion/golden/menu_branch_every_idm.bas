#Include once "gadgetkit.bi"
 
#define  IDM_B   2
#define  IDC_X   5
#define  IDM_A   1
 
Var hwnd1=OpenWindow("c", 0,0,39,45)
SetGadgetFont (,LoadFont ("f", 8))
UseGadgetList (hwnd1)
 
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_B
 		     '     2
		          Case IDM_A
 		     '     1
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
          End Select
      End Select
Loop
'
 
 

