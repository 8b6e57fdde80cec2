#Include once "gadgetkit.bi"
 
#define  IDD_ABOUT   100
#define  IDC_BTNCLOSE   101
 
Var hwnd1=OpenWindow("Σχετικά", 0,0,202,114)
SetGadgetFont (,LoadFont ("Segoe UI", 9))
UseGadgetList (hwnd1)
 
 
   TextGadget(102,8,8,165,16,"Καλημέρα κόσμε — αβγ")
   ButtonGadget(101,52,49,75,23,"Κλείσιμο")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTNCLOSE
                    '101
          End Select
      End Select
Loop
'
 
 

