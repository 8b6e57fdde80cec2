#Include once "gadgetkit.bi"
 
#define  IDC_BTN1   1001
#define  IDC_X2   1002
#define  IDC_X3   1003
#define  IDC_X4   1004
#define  IDC_X5   1005
#define  IDC_X6   1006
#define  IDC_X7   1007
#define  IDC_X8   1008
#define  IDC_X9   1009
#define  IDC_X10   1010
#define  IDC_X11   1011
#define  IDC_X12   1012
#define  IDC_X13   1013
#define  IDC_X14   1014
#define  IDC_X15   1015
#define  IDC_X16   1016
#define  IDC_X17   1017
 
Var hwnd1=OpenWindow("Kinds", 0,0,321,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1001,2,2,30,13,"a")
   ButtonGadget(1002,2,18,30,13,"b")
   CheckBoxGadget(1003,2,34,30,13,"c")
   CheckBoxGadget(1004,2,50,30,13,"d")
   CheckBoxGadget(1005,2,66,30,13,"e")
   OptionGadget(1006,2,83,30,13,"f")
   ButtonGadget(1007,2,99,30,13,"g")
   CheckBoxGadget(1008,2,115,30,13,"h")
   ImageGadget(1009,2,131,30,13, Load_image ("C: \  "))
   ImageGadget(1010,2,147,30,13, Load_image ("C: \  "))
   TextGadget(1011,2,164,30,13,"k")
   StringGadget(1012,2,180,30,13,"l")
   ' msctls_updown32 IDC_X13 2,196,30,13 "m": no gadget kind
   ' EditPlus IDC_X14 2,212,30,13 "n": no gadget kind
   ScrollBarGadget(1015,2,228,30,13, 0, 470 ,SBS_VERT)
   TrackBarGadget(1016,2,245,30,13,  0, 10)       ' if '2' -> TRB_VERT 
   ButtonGadget(1017,2,261,30,13,"")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTN1
                    '1001
              Case  IDC_X2
                    '1002
              Case  IDC_X3
                    '1003
              Case  IDC_X4
                    '1004
              Case  IDC_X5
                    '1005
              Case  IDC_X6
                    '1006
              Case  IDC_X7
                    '1007
              Case  IDC_X8
                    '1008
              Case  IDC_X9
                    '1009
              Case  IDC_X10
                    '1010
              Case  IDC_X11
                    '1011
              Case  IDC_X12
                    '1012
              Case  IDC_X15
                    '1015
              Case  IDC_X16
                    '1016
              Case  IDC_X17
                    '1017
          End Select
      End Select
Loop
'
 
 

