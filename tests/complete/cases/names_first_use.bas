#Include once "gadgetkit.bi"
 
#define  IDC_A   6
#define  IDC_KNOWN   7
#define  IDC_LATER   8
 
Var hwnd1=OpenWindow("", 0,0,173,165)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
   ButtonGadget(6,2,3,45,16,"a")
   ButtonGadget(8,2,23,45,16,"l")
   ButtonGadget(9,2,42,45,16,"s")
   ButtonGadget(10,2,62,45,16,"o")
   ButtonGadget(7,2,81,45,16,"k")
 
Var hwnd2=OpenWindow("M", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName21
 
     MenName21=MenuTitle(hMessages2,"&File")
     MenuItem(8, MenName21,"&Later")
     MenuItem(6, MenName21,"&Again")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDC_LATER
 		     '     8
		          Case idc_a
 		     '     6
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_A
                    '6
              Case  IDC_LATER
                    '8
              Case  9
                    '9
              Case  10
                    '10
              Case  IDC_KNOWN
                    '7
          End Select
      End Select
Loop
'
 
 

