#Include once "gadgetkit.bi"
 
#define  IDC_BTN   1
#define  IDC_BTN1   2
#define  IDC_CBO1   9
#define  IDC_BT1   3
#define  IDC_BTN1   5
 
Var hwnd1=OpenWindow("Kinds", 0,0,173,200)
SetGadgetFont (,LoadFont ("f", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1,2,3,4,6,"c")
   ButtonGadget(2,2,3,4,6,"{vert} {id}")
   ComboBoxGadget(9,2,3,4,6)
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTN
                    '1
              Case  IDC_BTN1
                    '2
              Case  IDC_CBO1
                    '9
              Case  IDC_BT1
                    '3
              Case   IDC_BTN1
                    ' IDC_BTN1
              Case  MY_IDC_BTN1
                    'MY_IDC_BTN1
          End Select
      End Select
Loop
'
 
 

