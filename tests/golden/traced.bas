#Include once "gadgetkit.bi"
 
#define  IDD_DLG1   1000
#define  IDC_BTN1   1001
 
Var hwnd1=OpenWindow("Setup", 6,6,312,210)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1001,39,26,96,28,"OK")
 
 
 
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
          End Select
      End Select
Loop
'
 
 

