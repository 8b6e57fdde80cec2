#Include once "gadgetkit.bi"
 
#define  IDD_VIEWER   100
#define  IDC_BTNCLOSE   101
#define  IDR_VIEWMENU   200
#define  IDM_ZOOMIN   201
#define  IDM_ZOOMOUT   202
#define  IDR_TRAYMENU   300
#define  IDM_SHOW   301
#define  IDM_QUIT   302
 
Var hwnd1=OpenWindow("Viewer", 0,0,262,165)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
 
     MenName11=MenuTitle(hMessages1,"&View")
     MenuItem(201, MenName11,"Zoom &in")
     MenuItem(202, MenName11,"Zoom &out")
     MenuItem(302, MenName11,"&Quit")
 
 
   ButtonGadget(101,150,97,75,23,"Close")
 
Var hwnd2=OpenWindow("IDR_TRAYMENU", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName21
 
     MenName21=MenuTitle(hMessages2,"Tray")
     MenuItem(301, MenName21,"&Show")
     MenuItem(302, MenName21,"&Quit")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_ZOOMIN
 		     '     201
		          Case IDM_ZOOMOUT
 		     '     202
		          Case IDM_QUIT
 		     '     302
		          Case IDM_SHOW
 		     '     301
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTNCLOSE
                    '101
          End Select
      End Select
Loop
'
 
 

