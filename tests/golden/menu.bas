#Include once "gadgetkit.bi"
 
#define  IDD_MAIN   100
#define  IDC_BTN_GO   101
#define  IDM_OPEN   201
#define  IDM_CLOSE   202
#define  IDM_COPY   203
 
Var hwnd1=OpenWindow("Editor", 10,20,321,200)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
 
     MenName11=MenuTitle(hMessages1,"File")
     MenuItem(11, MenName11,"Open")
     MenuItem(12, MenName11,"Close")
 
     MenName12=MenuTitle(hMessages1,"Edit")
     MenuItem(13, MenName12,"Copy")
 
 
   ButtonGadget(101,15,16,75,23,"Go")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_OPEN
 		     '     201
		          Case IDM_CLOSE
 		     '     202
		          Case IDM_COPY
 		     '     203
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTN_GO
                    '101
          End Select
      End Select
Loop
'
 
 

