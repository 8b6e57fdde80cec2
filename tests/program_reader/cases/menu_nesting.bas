#Include once "gadgetkit.bi"
 
#define  IDC_NAMED   77
 
Dim as Integer screen_x,screen_y
screen_x = GetSystemMetrics(SM_CXSCREEN)        ' if needed 
screen_y = GetSystemMetrics(SM_CYSCREEN)        ' if needed 
 
 
Var hwnd1=OpenWindow("Head", 0,0,300,200)
SetGadgetFont (,LoadFont ("Tahoma", 9))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
     MenName11=MenuTitle(hMessages1,"File")
     MenName12=OpenSubMenu(MenName11,!"Print\tNow")
     MenuItem(11, MenName12,"Text")
     MenuItem(IDC_NAMED, MenName11,"xit")
     MenName12=MenuTitle(hMessages1,"Help")
     MenuItem(-3, MenName12,"About")
 
Var hwnd2=OpenWindow("Second",0,0,10,10)
SetGadgetFont (,LoadFont ("",))
UseGadgetList (hwnd2)
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName21
     MenName21=MenuTitle(hMessages2,"Only")
     MenuItem(3001, MenName21,"One")

