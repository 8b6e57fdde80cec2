#Include once "gadgetkit.bi"
 
#define  IdcB   7
#define  IDC_HEX   16
 
Var hwnd1=OpenWindow("", 0,0,173,114)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(7,2,3,45,16,"b")
   ButtonGadget(16,2,32,45,16,"h")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDCB
                    '7
              Case  IDC_HEX
                    '16
          End Select
      End Select
Loop
'
 
 

