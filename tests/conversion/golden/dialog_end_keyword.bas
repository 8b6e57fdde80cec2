#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("Cap", 0,0,25,29)
SetGadgetFont (,LoadFont ("Face", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(IDC_BTN_SEND,3,3,3,3,"b")
   ButtonGadget(IDC_BTN_END,3,3,3,3,"b")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTN_SEND
                    'IDC_BTN_SEND
              Case  IDC_BTN_END
                    'IDC_BTN_END
          End Select
      End Select
Loop
'
 
 

