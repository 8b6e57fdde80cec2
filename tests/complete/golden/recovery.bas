#Include once "gadgetkit.bi"
 
#define  IDD_BAD   700
 
Var hwnd1=OpenWindow("Recovery", 0,0,173,114)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   TextGadget(1,3,5,60,13,"ok")
   ButtonGadget(4,2,3,4,6,"custom")
   TextGadget(6,6,65,60,13,"after")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  1
                    '1
              Case  4
                    '4
              Case  6
                    '6
          End Select
      End Select
Loop
'
 
 

