#Include once "gadgetkit.bi"
 
#define  IDC_EDIT   3001
 
Var hwnd1=OpenWindow("Numeric", 10,10,247,131)
SetGadgetFont (,LoadFont ("Tahoma", 9))
UseGadgetList (hwnd1)
 
 
   TextGadget(3000,6,6,60,15,"Name")
   StringGadget(3001,72,6,135,19,"")
 
Var hwnd2=OpenWindow("200", 0,0,470,372)
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
              Case  3000
                    '3000
              Case  IDC_EDIT
                    '3001
          End Select
      End Select
Loop
'
 
 

