#Include once "gadgetkit.bi"
 
#define  IDC_EDTFOLDER   3
#define  IDC_CHKAUTOSAVE   4
#define  IDC_CBOSTYLE   5
#define  ID_FILE_OPTIONS   6
#define  ID_APP_EXIT   7
 
Var hwnd1=OpenWindow("Options", 0,0,351,193)
SetGadgetFont (,LoadFont ("MS Shell Dlg", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1,162,122,75,23,"OK")
   ButtonGadget(2,244,122,75,23,"Cancel")
   TextGadget(8,10,15,60,13,"&Folder:")
   StringGadget(3,75,11,244,23,"")
   CheckBoxGadget(4,10,45,150,16,"Save &automatically")
   ComboBoxGadget(5,75,71,150,97)
 
Var hwnd2=OpenWindow("IDR_MAINFRAME", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName21
 
     MenName21=MenuTitle(hMessages2,"&File")
     MenuItem(6, MenName21,"&Options...")
     MenuItem(7, MenName21,"E&xit")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case ID_FILE_OPTIONS
 		     '     6
		          Case ID_APP_EXIT
 		     '     7
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  1
                    '1
              Case  2
                    '2
              Case  IDC_EDTFOLDER
                    '3
              Case  IDC_CHKAUTOSAVE
                    '4
              Case  IDC_CBOSTYLE
                    '5
          End Select
      End Select
Loop
'
 
 

