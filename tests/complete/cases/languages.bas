#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("?é?", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
 
     MenName11=MenuTitle(hMessages1,"?é?")
     MenuItem(101, MenName11,"?é?")
 
 
 
Var hwnd2=OpenWindow("Æè", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Var hwnd3=OpenWindow("Ù", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd3)
 
 
 
Var hwnd4=OpenWindow("“ú–{", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd4)
 
 
 
Var hwnd5=OpenWindow("ÖÐÎÄ", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd5)
 
 
 
Var hwnd6=OpenWindow("¤¤¤å", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd6)
 
 
 
Var hwnd7=OpenWindow("Æè", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd7)
 
 
 
Var hwnd8=OpenWindow("é€ñ", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd8)
 
 
 
Dim As HMENU hMessages8
     hMessages8 = Create_Menu()
Dim As HMENU MenName81
 
     MenName81=MenuTitle(hMessages8,"é€ñ")
     MenuItem(108, MenName81,"é€ñ")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case 101
 		     '     101
		          Case 108
 		     '     108
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
          End Select
      End Select
Loop
'
 
 

