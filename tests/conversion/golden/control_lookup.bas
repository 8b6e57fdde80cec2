#Include once "gadgetkit.bi"
 
#define  IDC_BTN10   1010
 
Var hwnd1=OpenWindow("Lookup", 0,0,173,200)
SetGadgetFont (,LoadFont ("f", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(IDC_BTN1,2,2,2,2,"")
   ButtonGadget(IDC_BTN10,2,2,2,2,"A, b")
 
 
 
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
                    'IDC_BTN1
              Case  IDC_BTN10
                    'IDC_BTN10
          End Select
      End Select
Loop
'
 
 

