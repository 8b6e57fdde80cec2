#Include once "gadgetkit.bi"
 
#define  IDD_BROWSER   100
#define  IDC_TREE   101
#define  IDC_STATUS   102
#define  IDC_BTNGO   103
#define  IDC_PREVIEW   104
#define  IDC_EDTPATH   105
 
Var hwnd1=OpenWindow("Browser", 0,0,381,286)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   StringGadget(105,8,8,270,19,"")
   ButtonGadget(103,285,6,68,23,"&Go")
   ' SysTreeView32 IDC_TREE 8,36,150,178 "": no gadget kind
   ' PreviewPane IDC_PREVIEW 165,36,188,178 "Preview": no gadget kind
   ' msctls_statusbar32 IDC_STATUS 0,224,360,19 "Ready": no gadget kind
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_EDTPATH
                    '105
              Case  IDC_BTNGO
                    '103
          End Select
      End Select
Loop
'
 
 

