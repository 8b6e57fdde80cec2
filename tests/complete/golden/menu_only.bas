#Include once "gadgetkit.bi"
 
#define  IDR_MAINMENU   600
#define  IDM_NEW   601
#define  IDM_OPEN   602
#define  IDM_SAVE   603
#define  IDM_EXIT   604
#define  IDM_RECENT1   611
#define  IDM_RECENT2   612
#define  IDM_ABOUT   620
 
Var hwnd1=OpenWindow("IDR_MAINMENU", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
Dim As HMENU MenName13
 
     MenName11=MenuTitle(hMessages1,"&File")
     MenuItem(601, MenName11,!"&New\tCtrl+N")
     MenuItem(602, MenName11,"&Open...")
 
     MenName12=OpenSubMenu(MenName11,"Open &recent")
     MenuItem(611, MenName12,"1 notes.txt")
     MenuItem(612, MenName12,"2 todo.txt")
     MenuItem(603, MenName11,"&Save")
     MenuItem(604, MenName11,"E&xit")
 
     MenName13=MenuTitle(hMessages1,"&Help")
     MenuItem(620, MenName13,"&About")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_NEW
 		     '     601
		          Case IDM_OPEN
 		     '     602
		          Case IDM_RECENT1
 		     '     611
		          Case IDM_RECENT2
 		     '     612
		          Case IDM_SAVE
 		     '     603
		          Case IDM_EXIT
 		     '     604
		          Case IDM_ABOUT
 		     '     620
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
 
 

