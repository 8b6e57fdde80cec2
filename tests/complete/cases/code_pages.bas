#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("¡", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Var hwnd2=OpenWindow("“ú–{", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Var hwnd3=OpenWindow("ÖÐÎÄ", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd3)
 
 
 
Var hwnd4=OpenWindow("ÇÑ±¹", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd4)
 
 
 
Var hwnd5=OpenWindow("¤¤¤å", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd5)
 
 
 
Var hwnd6=OpenWindow("³", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd6)
 
 
 
Var hwnd7=OpenWindow("Æè", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd7)
 
 
 
Var hwnd8=OpenWindow("€é", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd8)
 
 
 
Var hwnd9=OpenWindow("Ù", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd9)
 
 
 
Var hwnd10=OpenWindow("ð", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd10)
 
 
 
Var hwnd11=OpenWindow("à", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd11)
 
 
 
Var hwnd12=OpenWindow("È", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd12)
 
 
 
Var hwnd13=OpenWindow("à", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd13)
 
 
 
Var hwnd14=OpenWindow("þ", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd14)
 
 
 
Var hwnd15=OpenWindow("a??b", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd15)
 
 
 
Var hwnd16=OpenWindow("Æ?", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd16)
 
 
 
Var hwnd17=OpenWindow("Ã©â‚¬", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd17)
 
 
 
Var hwnd18=OpenWindow("é?", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd18)
 
 
 
Var hwnd19=OpenWindow("é€ñ", 0,0,39,45)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd19)
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
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
 
 

