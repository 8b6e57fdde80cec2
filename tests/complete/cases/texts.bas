#Include once "gadgetkit.bi"
 
#define  IDC_A   1
#define  IDC_B   2
#define  IDC_C   3
#define  IDC_D   4
#define  IDC_E   5
 
Var hwnd1=OpenWindow(!"two\r\nlines", 0,0,173,200)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1,2,2,30,13,!"bell\&h07")
   ButtonGadget(2,2,18,30,13,!"del\&h7F")
   ButtonGadget(3,2,34,30,13,"cut")
   ButtonGadget(4,2,50,30,13,"café")
   ' msctls_updown32 IDC_E 2,66,30,13 !"two\r\nlines": no gadget kind
 
Var hwnd2=OpenWindow("", 0,0,98,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
   ButtonGadget(5,2,2,30,13,"OK")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_A
                    '1
              Case  IDC_B
                    '2
              Case  IDC_C
                    '3
              Case  IDC_D
                    '4
              Case  5
                    'IDOK in My "best" dialog
          End Select
      End Select
Loop
'
 
 

