#Include once "gadgetkit.bi"
 
#define  IDR_MAIN   100
#define  IDM_X   100
#define  Other   200
#define  main   300
 
Var hwnd1=OpenWindow("asks for IDR_MAIN", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
 
     MenName11=MenuTitle(hMessages1,"first IDR_MAIN")
     MenuItem(1, MenName11,"item")
 
 
 
Var hwnd2=OpenWindow("asks for MAIN", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName21
 
     MenName21=MenuTitle(hMessages2,"Main")
     MenuItem(2, MenName21,"item")
 
 
 
Var hwnd3=OpenWindow("asks for idr_main", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd3)
 
 
 
Dim As HMENU hMessages3
     hMessages3 = Create_Menu()
Dim As HMENU MenName31
 
     MenName31=MenuTitle(hMessages3,"first IDR_MAIN")
     MenuItem(1, MenName31,"item")
 
 
 
Var hwnd4=OpenWindow("asks for IDM_X", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd4)
 
 
 
Dim As HMENU hMessages4
     hMessages4 = Create_Menu()
Dim As HMENU MenName41
 
     MenName41=MenuTitle(hMessages4,"first IDR_MAIN")
     MenuItem(1, MenName41,"item")
 
 
 
Var hwnd5=OpenWindow("asks for 7", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd5)
 
 
 
Dim As HMENU hMessages5
     hMessages5 = Create_Menu()
Dim As HMENU MenName51
 
     MenName51=MenuTitle(hMessages5,"seven")
     MenuItem(4, MenName51,"item")
 
 
 
Var hwnd6=OpenWindow("asks for OTHER", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd6)
 
 
 
Var hwnd7=OpenWindow("asks for Other", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd7)
 
 
 
Var hwnd8=OpenWindow("asks for main", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd8)
 
 
 
Dim As HMENU hMessages8
     hMessages8 = Create_Menu()
Dim As HMENU MenName81
 
     MenName81=MenuTitle(hMessages8,"Main")
     MenuItem(2, MenName81,"item")
 
 
 
Var hwnd9=OpenWindow("asks for main", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd9)
 
 
 
Dim As HMENU hMessages9
     hMessages9 = Create_Menu()
Dim As HMENU MenName91
 
     MenName91=MenuTitle(hMessages9,"first IDR_MAIN")
     MenuItem(1, MenName91,"item")
 
 
 
Var hwnd10=OpenWindow("asks for none", 0,0,83,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd10)
 
 
 
Var hwnd11=OpenWindow("IDR_MAIN", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd11)
 
 
 
Dim As HMENU hMessages11
     hMessages11 = Create_Menu()
Dim As HMENU MenName111
 
     MenName111=MenuTitle(hMessages11,"second IDR_MAIN")
     MenuItem(3, MenName111,"item")
 
 
 
Var hwnd12=OpenWindow("Other", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd12)
 
 
 
Dim As HMENU hMessages12
     hMessages12 = Create_Menu()
Dim As HMENU MenName121
 
     MenName121=MenuTitle(hMessages12,"Other")
     MenuItem(5, MenName121,"item")
 
 
 
Var hwnd13=OpenWindow("main", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd13)
 
 
 
Dim As HMENU hMessages13
     hMessages13 = Create_Menu()
Dim As HMENU MenName131
 
     MenName131=MenuTitle(hMessages13,"main")
     MenuItem(6, MenName131,"item")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case 1
 		     '     1
		          Case 2
 		     '     2
		          Case 4
 		     '     4
		          Case 3
 		     '     3
		          Case 5
 		     '     5
		          Case 6
 		     '     6
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
 
 

