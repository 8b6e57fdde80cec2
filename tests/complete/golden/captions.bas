#Include once "gadgetkit.bi"
 
#define  IDD_QUOTES   100
#define  IDC_SAY   101
#define  IDC_PATH   102
#define  IDR_QMENU   200
#define  IDM_SAVE   201
#define  IDM_TERMS   202
 
Var hwnd1=OpenWindow(!"Say \"Hello\" && Wave", 0,0,202,131)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
 
     MenName11=MenuTitle(hMessages1,!"&File && \"More\"")
     MenuItem(201, MenName11,!"&Save\tCtrl+S")
     MenuItem(202, MenName11,"Terms && Conditions")
 
 
   ButtonGadget(101,8,8,75,23,!"Say \"Hi\"")
   TextGadget(102,8,41,150,16,!"C:\\Temp\tTab")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_SAVE
 		     '     201
		          Case IDM_TERMS
 		     '     202
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_SAY
                    '101
              Case  IDC_PATH
                    '102
          End Select
      End Select
Loop
'
 
 

