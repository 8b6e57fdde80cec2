#Include once "gadgetkit.bi"
 
#define  IDD_ABOUT   200
#define  IDC_ICON1   201
 
Var hwnd1=OpenWindow("About Sample", 20,20,292,138)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ImageGadget(201,12,13,0,0, Load_image ("C: \  "))
   TextGadget(205,60,13,198,26,!"Sample Application\nVersion 1.0")
   ButtonGadget(1,111,71,48,23,"OK")
   CheckBoxGadget(203,12,49,120,16,"Show at start")
   ScrollBarGadget(204,12,87,90,13, 0, 470 ,SBS_HORZ)
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_ICON1
                    '201
              Case  1
                    '1
              Case  203
                    '203
              Case  204
                    '204
          End Select
      End Select
Loop
'
 
 

