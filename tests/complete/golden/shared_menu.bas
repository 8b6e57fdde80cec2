#Include once "gadgetkit.bi"
 
 
Var hwnd1=OpenWindow("One", 0,0,98,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
Dim As HMENU MenName12
Dim As HMENU MenName13
Dim As HMENU MenName14
Dim As HMENU MenName15
Dim As HMENU MenName16
Dim As HMENU MenName17
Dim As HMENU MenName18
Dim As HMENU MenName19
Dim As HMENU MenName20
Dim As HMENU MenName21
 
     MenName11=MenuTitle(hMessages1,"P1")
     MenuItem(501, MenName11,"I1")
 
     MenName12=MenuTitle(hMessages1,"P2")
     MenuItem(502, MenName12,"I2")
 
     MenName13=MenuTitle(hMessages1,"P3")
     MenuItem(503, MenName13,"I3")
 
     MenName14=MenuTitle(hMessages1,"P4")
     MenuItem(504, MenName14,"I4")
 
     MenName15=MenuTitle(hMessages1,"P5")
     MenuItem(505, MenName15,"I5")
 
     MenName16=MenuTitle(hMessages1,"P6")
     MenuItem(506, MenName16,"I6")
 
     MenName17=MenuTitle(hMessages1,"P7")
     MenuItem(507, MenName17,"I7")
 
     MenName18=MenuTitle(hMessages1,"P8")
     MenuItem(508, MenName18,"I8")
 
     MenName19=MenuTitle(hMessages1,"P9")
     MenuItem(509, MenName19,"I9")
 
     MenName20=MenuTitle(hMessages1,"P10")
     MenuItem(510, MenName20,"I10")
 
     MenName21=MenuTitle(hMessages1,"P11")
     MenuItem(511, MenName21,"I11")
 
 
 
Var hwnd2=OpenWindow("Two", 0,0,98,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName22
Dim As HMENU MenName23
Dim As HMENU MenName24
Dim As HMENU MenName25
Dim As HMENU MenName26
Dim As HMENU MenName27
Dim As HMENU MenName28
Dim As HMENU MenName29
Dim As HMENU MenName30
Dim As HMENU MenName31
Dim As HMENU MenName32
 
     MenName22=MenuTitle(hMessages2,"P1")
     MenuItem(501, MenName22,"I1")
 
     MenName23=MenuTitle(hMessages2,"P2")
     MenuItem(502, MenName23,"I2")
 
     MenName24=MenuTitle(hMessages2,"P3")
     MenuItem(503, MenName24,"I3")
 
     MenName25=MenuTitle(hMessages2,"P4")
     MenuItem(504, MenName25,"I4")
 
     MenName26=MenuTitle(hMessages2,"P5")
     MenuItem(505, MenName26,"I5")
 
     MenName27=MenuTitle(hMessages2,"P6")
     MenuItem(506, MenName27,"I6")
 
     MenName28=MenuTitle(hMessages2,"P7")
     MenuItem(507, MenName28,"I7")
 
     MenName29=MenuTitle(hMessages2,"P8")
     MenuItem(508, MenName29,"I8")
 
     MenName30=MenuTitle(hMessages2,"P9")
     MenuItem(509, MenName30,"I9")
 
     MenName31=MenuTitle(hMessages2,"P10")
     MenuItem(510, MenName31,"I10")
 
     MenName32=MenuTitle(hMessages2,"P11")
     MenuItem(511, MenName32,"I11")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case 501
 		     '     501
		          Case 502
 		     '     502
		          Case 503
 		     '     503
		          Case 504
 		     '     504
		          Case 505
 		     '     505
		          Case 506
 		     '     506
		          Case 507
 		     '     507
		          Case 508
 		     '     508
		          Case 509
 		     '     509
		          Case 510
 		     '     510
		          Case 511
 		     '     511
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
 
 

