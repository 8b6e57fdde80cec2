#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("", 0,0,25,29)
SetGadgetFont (,LoadFont ("",))
UseGadgetList (hwnd1)
 
 
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
              Case  IDC_BTN3
                    'IDC_BTN3
          End Select
      End Select
Loop
'
 
 

