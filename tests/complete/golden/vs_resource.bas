#Include once "gadgetkit.bi"
 
#define  ID_FILE_OPEN   40001
#define  ID_FILE_EXIT   40002
#define  ID_HELP_ABOUT   40003
#define  IDC_NAME   1001
#define  IDC_SHOW   1002
#define  IDC_ITEMS   1003
 
Var hwnd1=OpenWindow("Main", 0,0,321,200)
SetGadgetFont (,LoadFont ("MS Shell Dlg", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
 
     MenName11=MenuTitle(hMessages1,"&File")
     MenuItem(40001, MenName11,!"&Open...\tCtrl+O")
     MenuItem(40002, MenName11,"E&xit")
 
     MenName12=MenuTitle(hMessages1,"&Help")
     MenuItem(40003, MenName12,"&About...")
 
 
   ButtonGadget(1,135,130,75,23,"OK")
   ButtonGadget(2,216,130,75,23,"Cancel")
   TextGadget(40004,10,15,45,13,"&Name:")
   StringGadget(1001,60,11,225,23,"")
   CheckBoxGadget(1002,10,49,120,16,"&Show")
   ListBoxGadget(1003,10,71,150,49, WS_EX_CLIENTEDGE )
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case ID_FILE_OPEN
 		     '     40001
		          Case ID_FILE_EXIT
 		     '     40002
		          Case ID_HELP_ABOUT
 		     '     40003
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
              Case  IDC_NAME
                    '1001
              Case  IDC_SHOW
                    '1002
              Case  IDC_ITEMS
                    '1003
          End Select
      End Select
Loop
'
 
 

