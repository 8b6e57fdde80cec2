#Include once "gadgetkit.bi"
 
#define  IDC_A   1
 
Var hwnd1=OpenWindow("c", 0,0,39,45)
SetGadgetFont (,LoadFont ("f", 8))
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
 
 

