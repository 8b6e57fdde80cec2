#Include once "gadgetkit.bi"
 
#define  IDD_FIRST   100
#define  IDD_SECOND   200
#define  IDC_FILES   101
#define  IDC_DETAILS   102
#define  IDC_SPEED   103
#define  IDC_LEVEL   104
#define  IDC_WHEN   105
#define  IDC_DAY   106
#define  IDC_HOST   107
#define  IDC_NOTES   108
#define  IDC_PICK   109
#define  IDC_MODE   110
#define  IDC_LOGO   111
#define  IDC_SLIDE   112
 
Var hwnd1=OpenWindow("Lists", 0,0,321,286)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   Var LSV = ListViewGadget(101,8,8,135,97)
   AddListViewColumn (101," Column 1", 0,1,100)    ' Oskel's example
   AddListViewColumn (101," Column 2", 0,1,100)
   AddListViewColumn (101," Column 3", 0,1,100)
   Var LSV2 = ListViewGadget(102,150,8,135,97)
   AddListViewColumn (102," Column 1", 0,1,100)    ' Oskel's example
   AddListViewColumn (102," Column 2", 0,1,100)
   AddListViewColumn (102," Column 3", 0,1,100)
   TrackBarGadget(103,8,113,22,97,  0, 10,2)       ' if '2' -> TRB_VERT 
   ProgressBarGadget(104,38,113,15,97,PBS_VERTICAL)
   DateCalendarGadget(105,60,113,90,19)
   DateCalendarGadget(106,60,138,90,65)
   IpAddressGadget(107,158,113,120,19)
   SetIpAddress(107,"255.10.1.1")
   StringGadget(108,158,138,120,32,"")
   ButtonGadget(1,158,211,60,23,"OK")
 
Var hwnd2=OpenWindow("More", 10,10,173,131)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
   ComboBoxGadget(109,8,8,90,65)
   OptionGadget(110,8,32,60,16,"Fast")
   ImageGadget(111,105,8,30,32, Load_image ("C: \  "))
   ScrollBarGadget(112,138,8,12,65, 0, 470 ,SBS_VERT)
   ButtonGadget(113,75,65,60,23,"OK")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_FILES
                    '101
              Case  IDC_DETAILS
                    '102
              Case  IDC_SPEED
                    '103
              Case  IDC_LEVEL
                    '104
              Case  IDC_WHEN
                    '105
              Case  IDC_DAY
                    '106
              Case  IDC_HOST
                    '107
              Case  IDC_NOTES
                    '108
              Case  1
                    '1
              Case  IDC_PICK
                    '109
              Case  IDC_MODE
                    '110
              Case  IDC_LOGO
                    '111
              Case  IDC_SLIDE
                    '112
              Case  113
                    'IDOK in SECOND
          End Select
      End Select
Loop
'
 
 

