#Include once "gadgetkit.bi"
 
#define  IDD_DLG   100
#define  IDM_TEXT   301
#define  IDM_EXIT   302
#define  IDM_ABOUT   303
 
Var hwnd1=OpenWindow("Sub", 0,0,173,114)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
Dim As HMENU MenName13
 
     MenName11=MenuTitle(hMessages1,"File")
 
     MenName12=OpenSubMenu(MenName11,"Print")
     MenuItem(11, MenName12,"Text")
     MenuItem(12, MenName11,"xit")
 
     MenName12=MenuTitle(hMessages1,"Help")
     MenuItem(13, MenName12,"About")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_TEXT
 		     '     301
		          Case IDM_EXIT
 		     '     302
		          Case IDM_ABOUT
 		     '     303
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
 
 

