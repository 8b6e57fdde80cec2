#Include once "gadgetkit.bi"
 
#define  IDD_BAD   700
 
Var hwnd1=OpenWindow("Recovery", 0,0,173,114)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   TextGadget(1,3,5,60,13,"ok")
   ButtonGadget(4,2,3,4,6,"custom")
   TextGadget(6,6,65,60,13,"after")
 
Var hwnd2=OpenWindow("IDR_M", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
 
 
 
 
 
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
 
 

