#Include once "gadgetkit.bi"
 
#define  IDD_MAIN   10
#define  IDC_GO   11
 
Var hwnd1=OpenWindow("Braces", 0,0,262,165)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   TextGadget(13,8,8,90,16,"Label")
   ButtonGadget(11,8,32,75,23,"Go")
   GroupGadget(12,105,8,120,97,"Box")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_GO
                    '11
              Case  12
                    '12
          End Select
      End Select
Loop
'
 
 

