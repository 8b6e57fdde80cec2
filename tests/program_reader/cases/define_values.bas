#define  IDD_KINDS   2000
#define  IDC_STATIC   -1
#define  IDC_HEX   &h10
#define  IDC_ALIAS   IDD_KINDS
Var hwnd1=OpenWindow("",0,0,1,1)
   ButtonGadget(IDC_ALIAS,1,2,3,4,"")

