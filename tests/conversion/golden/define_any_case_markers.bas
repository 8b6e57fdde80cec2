#Include once "gadgetkit.bi"
 
#define  IDC_A   1
#define  IDC_B   2
#define  IDD_C   IDC_D3
 
 
 
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
 
 

