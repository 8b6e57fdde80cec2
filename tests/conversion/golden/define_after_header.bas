#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("", 0,0,39,45)
SetGadgetFont (,LoadFont ("",))
UseGadgetList (hwnd1)
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
          End Select
      End Select
Loop
'
 
 

