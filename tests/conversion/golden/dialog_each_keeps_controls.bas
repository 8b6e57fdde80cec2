#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("Cap", 0,0,25,29)
SetGadgetFont (,LoadFont ("Face", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(IDC_BTN1,3,3,3,3,"b")
   ButtonGadget(IDC_BTN2,3,3,3,3,"b")
 
Var hwnd2=OpenWindow("Cap", 0,0,25,29)
SetGadgetFont (,LoadFont ("Face", 8))
UseGadgetList (hwnd2)
 
 
   ButtonGadget(IDC_BTN3,3,3,3,3,"b")
 
 
 
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
              Case  IDC_BTN2
                    'IDC_BTN2
              Case  IDC_BTN3
                    'IDC_BTN3
          End Select
      End Select
Loop
'
 
 

