#Include once "gadgetkit.bi"
 
#define  IDD_FIRST   1000
#define  IDC_BTN_SEND   1001
#define  IDC_EDT_TO   1002
 
Dim as Integer screen_x,screen_y
screen_x = GetSystemMetrics(SM_CXSCREEN)        ' if needed 
screen_y = GetSystemMetrics(SM_CYSCREEN)        ' if needed 
 
 
Var hwnd1=OpenWindow("First, with comma", 6,6,405,196)
SetGadgetFont (,LoadFont ("Courier New", 10))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1001,21,11,150,23,"Send")
   StringGadget(1002,21,41,300,19,"")
   ButtonGadget(IDC_BTN_LATER,180,11,150,23,"Later")
   StringGadget(IDC_EDT_CC,21,65,300,19,"")
 
Var hwnd2=OpenWindow("Second", 0,0,286,145)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
   CheckBoxGadget(IDC_CHK_YES,15,8,180,16,"Yes, please")
   OptionGadget(IDC_RBN_NO,15,32,180,16,"No")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTN_SEND
                    '1001
              Case  IDC_EDT_TO
                    '1002
              Case  IDC_BTN_LATER
                    'IDC_BTN_LATER
              Case  IDC_EDT_CC
                    'IDC_EDT_CC
              Case  IDC_CHK_YES
                    'IDC_CHK_YES
              Case  IDC_RBN_NO
                    'IDC_RBN_NO
          End Select
      End Select
Loop
'
 
 

