#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("c", 0,0,25,29)
SetGadgetFont (,LoadFont ("f", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(IDC_BTN1,3,3,3,3,"b")
 
 
 
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
          End Select
      End Select
Loop
'
 
 

