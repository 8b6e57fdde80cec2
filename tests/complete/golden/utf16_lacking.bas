#Include once "gadgetkit.bi"
 
#define  IDD_HELLO   100
#define  IDC_BTNHELLO   101
 
Var hwnd1=OpenWindow("Café ?", 0,0,173,96)
SetGadgetFont (,LoadFont ("MS Shell Dlg", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(101,8,8,90,23,"??? OK")
   TextGadget(102,8,36,135,16,"Größe € ?")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTNHELLO
                    '101
          End Select
      End Select
Loop
'
 
 

