#Include once "gadgetkit.bi"
 
 
 
 
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
 
 

