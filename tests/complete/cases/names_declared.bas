#Include once "gadgetkit.bi"
 
#define  LSV2x   6
 
Var hwnd1=OpenWindow("", 0,0,173,114)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(4,2,3,45,16,"a")
   ButtonGadget(5,2,32,45,16,"b")
   ButtonGadget(6,2,49,45,16,"c")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  4
                    '4
              Case  5
                    '5
              Case  LSV2x
                    '6
          End Select
      End Select
Loop
'
 
 

