#Include once "gadgetkit.bi"
 
#define  IDC_BTN1   1001
 
Var hwnd1=OpenWindow("Fields", 0,0,173,200)
SetGadgetFont (,LoadFont ("f", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(1001,39,26,96,28,"IDC_BTN")
   ScrollBarGadget(IDC_SCB1,2,2,2,2, 0, 470 ,SBS_HORZ)
   ProgressBarGadget(IDC_PGB1,2,2,2,2,PBS_VERTICAL)
   ScrollBarGadget(IDC_SCB1,15,32,45,65, 0, 470 ,SBS_VERT)
   ButtonGadget(1001,15,32,45,65,"")
   ButtonGadget(1001,0,0,0,0,"")
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_BTN1
                    '1001
              Case  IDC_SCB1
                    'IDC_SCB1
              Case  IDC_PGB1
                    'IDC_PGB1
              Case  IDC_SCB1
                    'IDC_SCB1
              Case  IDC_BTN1
                    '1001
              Case  IDC_BTN1
                    '1001
          End Select
      End Select
Loop
'
 
 

