#Include once "gadgetkit.bi"
 
#define  IDD_VIEW   100
#define  IDC_LIST   101
#define  IDR_VIEWMENU   300
#define  IDM_OPEN   301
#define  IDM_RECENT1   302
#define  IDM_RECENT2   303
#define  IDM_QUIT   304
#define  IDM_ABOUT   305
 
Var hwnd1=OpenWindow("View", 0,0,173,114)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
Dim As HMENU MenName13
Dim As HMENU MenName14
 
     MenName11=MenuTitle(hMessages1,"&File")
     MenuItem(301, MenName11,"&Open")
 
     MenName12=OpenSubMenu(MenName11,"&Recent")
     MenuItem(302, MenName12,"First")
 
     MenName13=OpenSubMenu(MenName12,"More")
     MenuItem(303, MenName13,"Second")
     MenuItem(304, MenName11,"&Quit")
 
     MenName14=MenuTitle(hMessages1,"&Help")
     MenuItem(305, MenName14,"&About")
 
 
   ListBoxGadget(101,8,8,135,65, WS_EX_CLIENTEDGE )
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_OPEN
 		     '     301
		          Case IDM_RECENT1
 		     '     302
		          Case IDM_RECENT2
 		     '     303
		          Case IDM_QUIT
 		     '     304
		          Case IDM_ABOUT
 		     '     305
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_LIST
                    '101
          End Select
      End Select
Loop
'
 
 

