#Include once "gadgetkit.bi"
 
#define  IDD_KINDS   2000
#define  IDC_BTN_OK   2001
#define  IDC_STC_NAME   2002
#define  IDC_EDT_NAME   2003
#define  IDC_CBO_LIST   2004
#define  IDC_LST_ITEMS   2005
#define  IDC_SCB_V   2006
#define  IDC_SCB_H   2007
#define  IDC_CHK_ON   2008
#define  IDC_PGB_V   2009
#define  IDC_PGB_H   2010
#define  IDC_TRB_V   2011
#define  IDC_TRB_H   2012
#define  IDC_RBN_A   2013
#define  IDC_GRP_BOX   2014
#define  IDC_DTP_DAY   2015
#define  IDC_IPA_HOST   2016
#define  IDC_IMG_LOGO   2017
#define  IDC_LSV_ROWS   2018
 
Var hwnd1=OpenWindow("All kinds", 0,0,470,372)
SetGadgetFont (,LoadFont ("Tahoma", 9))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(2001,10,18,75,23,"OK")
   TextGadget(2002,10,49,60,15,"Name:")
   StringGadget(2003,75,45,150,21,"")
   ComboBoxGadget(2004,75,73,150,97)
   ListBoxGadget(2005,240,16,120,81, WS_EX_CLIENTEDGE )
   ScrollBarGadget(2006,375,16,15,130, 0, 470 ,SBS_VERT)
   ScrollBarGadget(2007,15,292,300,16, 0, 470 ,SBS_HORZ)
   CheckBoxGadget(2008,10,105,90,16,"Enabled")
   ProgressBarGadget(2009,405,16,15,130,PBS_VERTICAL)
   ProgressBarGadget(2010,15,259,150,16)
   TrackBarGadget(2011,428,16,18,130,  0, 10,2)       ' if '2' -> TRB_VERT 
   TrackBarGadget(2012,180,259,150,24,  0, 10)       ' if '2' -> TRB_VERT 
   OptionGadget(2013,10,130,90,16,"Choice A")
   GroupGadget(2014,8,162,225,81,"Box")
   DateCalendarGadget(2015,240,113,120,24)
   IpAddressGadget(2016,240,146,120,21)
   SetIpAddress(2016,"255.10.1.1")
   ImageGadget(2017,240,178,60,49, Load_image ("C: \  "))
   Var LSV = ListViewGadget(2018,15,194,210,57)
   AddListViewColumn (2018," Column 1", 0,1,100)    ' Oskel's example
   AddListViewColumn (2018," Column 2", 0,1,100)
   AddListViewColumn (2018," Column 3", 0,1,100)
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTN_OK
                    '2001
              Case  IDC_STC_NAME
                    '2002
              Case  IDC_EDT_NAME
                    '2003
              Case  IDC_CBO_LIST
                    '2004
              Case  IDC_LST_ITEMS
                    '2005
              Case  IDC_SCB_V
                    '2006
              Case  IDC_SCB_H
                    '2007
              Case  IDC_CHK_ON
                    '2008
              Case  IDC_PGB_V
                    '2009
              Case  IDC_PGB_H
                    '2010
              Case  IDC_TRB_V
                    '2011
              Case  IDC_TRB_H
                    '2012
              Case  IDC_RBN_A
                    '2013
              Case  IDC_GRP_BOX
                    '2014
              Case  IDC_DTP_DAY
                    '2015
              Case  IDC_IPA_HOST
                    '2016
              Case  IDC_IMG_LOGO
                    '2017
              Case  IDC_LSV_ROWS
                    '2018
          End Select
      End Select
Loop
'
 
 

