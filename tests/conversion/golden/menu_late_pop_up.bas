#Include once "gadgetkit.bi"
 
#define  IDM_A   1
#define  IDM_B   2
#define  IDM_C   3
 
Var hwnd1=OpenWindow("c", 0,0,39,45)
SetGadgetFont (,LoadFont ("f", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
 
     MenName11=MenuTitle(hMessages1,"File")
     MenuItem(11, MenName11,"New")
     MenuItem(12, MenName11,"One")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_A
 		     '     1
		          Case IDM_B
 		     '     2
		          Case IDM_C
 		     '     3
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
 
 

