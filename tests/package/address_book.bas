#Include once "gadgetkit.bi"
 
#define  IDD_MAIN   100
#define  IDC_LST_PEOPLE   101
#define  IDC_BTN_ADD   102
#define  IDC_BTN_EDIT   103
#define  IDC_BTN_REMOVE   104
#define  IDC_STC_COUNT   105
#define  IDC_PGB_LOAD   106
#define  IDC_LSV_DETAILS   107
#define  IDD_ENTRY   200
#define  IDC_STC_NAME   201
#define  IDC_EDT_NAME   202
#define  IDC_STC_GROUP   203
#define  IDC_CBO_GROUP   204
#define  IDC_GRP_CONTACT   205
#define  IDC_RBN_PHONE   206
#define  IDC_RBN_MAIL   207
#define  IDC_CHK_FAVOURITE   208
#define  IDC_DTP_BIRTHDAY   209
#define  IDC_IPA_HOST   210
#define  IDC_TRB_RATING   211
#define  IDC_SCB_NOTES   212
#define  IDC_BTN_SAVE   213
#define  IDC_BTN_CANCEL   214
#define  IDD_ABOUT   300
#define  IDC_IMG_LOGO   301
#define  IDC_STC_ABOUT   302
#define  IDC_BTN_CLOSE   303
#define  IDM_NEW   401
#define  IDM_OPEN   402
#define  IDM_EXPORT_CSV   403
#define  IDM_EXPORT_VCARD   404
#define  IDM_EXIT   405
#define  IDM_ABOUT   406
 
Var hwnd1=OpenWindow("Address book", 0,0,500,372)
SetGadgetFont (,LoadFont ("MS Shell Dlg", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
Dim As HMENU MenName13
 
     MenName11=MenuTitle(hMessages1,"File")
 
     MenName12=OpenSubMenu(MenName11,"Export")
     MenuItem(11, MenName12,"CSV...")
     MenuItem(12, MenName12,"vCard...")
     MenuItem(13, MenName11,"New")
     MenuItem(14, MenName11,"Open...")
     MenuItem(15, MenName11,"Exit")
 
     MenName12=MenuTitle(hMessages1,"Help")
     MenuItem(16, MenName12,"About")
 
 
   ListBoxGadget(101,10,11,225,243, WS_EX_CLIENTEDGE )
   ButtonGadget(102,248,11,90,23,"&Add")
   ButtonGadget(103,248,41,90,23,"&Edit")
   ButtonGadget(104,248,70,90,23,"&Remove")
   TextGadget(105,10,262,225,15,"0 people")
   ProgressBarGadget(106,10,285,459,16)
   Var LSV = ListViewGadget(107,248,105,222,149)
   AddListViewColumn (107," Column 1", 0,1,100)    ' Oskel's example
   AddListViewColumn (107," Column 2", 0,1,100)
   AddListViewColumn (107," Column 3", 0,1,100)
 
Var hwnd2=OpenWindow("Entry", 0,0,411,355)
SetGadgetFont (,LoadFont ("MS Shell Dlg", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName21
Dim As HMENU MenName22
Dim As HMENU MenName23
 
     MenName21=MenuTitle(hMessages2,"File")
 
     MenName22=OpenSubMenu(MenName21,"Export")
     MenuItem(21, MenName22,"CSV...")
     MenuItem(22, MenName22,"vCard...")
     MenuItem(23, MenName21,"New")
     MenuItem(24, MenName21,"Open...")
     MenuItem(25, MenName21,"Exit")
 
     MenName22=MenuTitle(hMessages2,"Help")
     MenuItem(26, MenName22,"About")
 
 
   TextGadget(201,10,15,60,15,"Name:")
   StringGadget(202,75,11,300,21,"")
   TextGadget(203,10,44,60,15,"Group:")
   ComboBoxGadget(204,75,41,300,97)
   GroupGadget(205,10,73,180,73,"Contact by")
   OptionGadget(206,22,94,90,16,"&Phone")
   OptionGadget(207,22,117,90,16,"&Mail")
   CheckBoxGadget(208,210,94,120,16,"&Favourite")
   DateCalendarGadget(209,210,117,165,24)
   IpAddressGadget(210,10,159,180,21)
   SetIpAddress(210,"255.10.1.1")
   TrackBarGadget(211,210,156,165,24,  0, 10)       ' if '2' -> TRB_VERT 
   ScrollBarGadget(212,10,194,364,16, 0, 470 ,SBS_HORZ)
   ButtonGadget(213,204,272,82,23,"&Save")
   ButtonGadget(214,297,272,82,23,"Cancel")
 
Var hwnd3=OpenWindow("About", 0,0,292,165)
SetGadgetFont (,LoadFont ("MS Shell Dlg", 8))
UseGadgetList (hwnd3)
 
 
 
Dim As HMENU hMessages3
     hMessages3 = Create_Menu()
Dim As HMENU MenName31
Dim As HMENU MenName32
Dim As HMENU MenName33
 
     MenName31=MenuTitle(hMessages3,"File")
 
     MenName32=OpenSubMenu(MenName31,"Export")
     MenuItem(31, MenName32,"CSV...")
     MenuItem(32, MenName32,"vCard...")
     MenuItem(33, MenName31,"New")
     MenuItem(34, MenName31,"Open...")
     MenuItem(35, MenName31,"Exit")
 
     MenName32=MenuTitle(hMessages3,"Help")
     MenuItem(36, MenName32,"About")
 
 
   ImageGadget(301,10,11,48,52, Load_image ("C: \  "))
   TextGadget(302,72,19,180,15,"Address book 1.0")
   ButtonGadget(303,177,94,82,23,"Close")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_NEW
 		     '     401
		          Case IDM_OPEN
 		     '     402
		          Case IDM_EXPORT_CSV
 		     '     403
		          Case IDM_EXPORT_VCARD
 		     '     404
		          Case IDM_EXIT
 		     '     405
		          Case IDM_ABOUT
 		     '     406
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_LST_PEOPLE
                    '101
              Case  IDC_BTN_ADD
                    '102
              Case  IDC_BTN_EDIT
                    '103
              Case  IDC_BTN_REMOVE
                    '104
              Case  IDC_STC_COUNT
                    '105
              Case  IDC_PGB_LOAD
                    '106
              Case  IDC_LSV_DETAILS
                    '107
              Case  IDC_STC_NAME
                    '201
              Case  IDC_EDT_NAME
                    '202
              Case  IDC_STC_GROUP
                    '203
              Case  IDC_CBO_GROUP
                    '204
              Case  IDC_GRP_CONTACT
                    '205
              Case  IDC_RBN_PHONE
                    '206
              Case  IDC_RBN_MAIL
                    '207
              Case  IDC_CHK_FAVOURITE
                    '208
              Case  IDC_DTP_BIRTHDAY
                    '209
              Case  IDC_IPA_HOST
                    '210
              Case  IDC_TRB_RATING
                    '211
              Case  IDC_SCB_NOTES
                    '212
              Case  IDC_BTN_SAVE
                    '213
              Case  IDC_BTN_CANCEL
                    '214
              Case  IDC_IMG_LOGO
                    '301
              Case  IDC_STC_ABOUT
                    '302
              Case  IDC_BTN_CLOSE
                    '303
          End Select
      End Select
Loop
'
 
 

