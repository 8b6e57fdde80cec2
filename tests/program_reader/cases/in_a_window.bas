Var hwnd1=OpenWindow("w",0,0,100,100)
Dim As HMENU hMessages1
hMessages1 = Create_Menu()
MenName11=MenuTitle(hMessages1,"File")
   Print "hello"
   Beep()
x += 1
   ButtonGadget(1,2,3,4)
   ButtonGadget(1,2,3,4,5)
   ButtonGadget(1,2,3,4,5,"a",6)
   ButtonGadget(1,screen_x-10,3,4,5,"a")
   TrackBarGadget(1,2,3,4,5, 0, 10,3)
   ListBoxGadget(1,2,3,4,5, WS_FANCY)
   TextGadget(1,2,3,4,5,"open)
   TextGadget(1,2,3,4,5,!"\u00e9")
     MenuItem(5, MenName19,"x")
     MenName12=OpenSubMenu(hMessages1,"x")
UseGadgetList (hwnd7)
SetIpAddress(99,"1.2.3.4")
If a > b Then
Loop
   Case 5
#pragma once
OpenWindow("x",0,0,1,1)
Var n = 10000000000000000000
   ' SysTreeView32 IDC_TREE 10,20,150,200 "": no gadget kind
   ButtonGadget(1,2,3,4,5,"still read")
