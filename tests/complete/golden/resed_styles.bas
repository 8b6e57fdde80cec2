#Include once "gadgetkit.bi"
 
#define  IDD_DLG1   1000
#define  IDC_BTN1   1001
#define  IDC_EDT1   1002
#define  IDC_CHK1   1003
 
Var hwnd1=OpenWindow("IDD_DLG", 6,6,312,210)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1001,39,26,96,28,"Hidden")
   StringGadget(1002,39,65,150,21,"")
   CheckBoxGadget(1003,39,97,96,15,"Check")
   ButtonGadget(1011,150,130,75,23,"Disabled")
 
 
 
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
              Case  IDC_EDT1
                    '1002
              Case  IDC_CHK1
                    '1003
              Case  1011
                    '1011
          End Select
      End Select
Loop
'
 
 

