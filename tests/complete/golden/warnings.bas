#Include once "gadgetkit.bi"
 
#define  IDD_WARN   100
#define  IDC_OK   102
#define  IDC_TREE   103
#define  IDR_BAR   200
#define  IDR_SPARE   201
#define  IDM_NOW   202
#define  IDM_LATER   203
#define  IDC_LATER   204
 
Var hwnd1=OpenWindow("Warnings", 0,0,173,131)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd1)
 
 
 
Dim As HMENU hMessages1
     hMessages1 = Create_Menu()
Dim As HMENU MenName11
 
     MenName11=MenuTitle(hMessages1,"&Later")
     MenuItem(203, MenName11,"&Soon")
 
 
   ButtonGadget(102,8,8,75,23,"Go")
   ' SysTreeView32 IDC_TREE 8,32,75,49 "": no gadget kind
   ButtonGadget(204,90,8,45,23,"Later")
 
Var hwnd2=OpenWindow("Lost", 0,0,98,62)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Var hwnd3=OpenWindow("IDR_SPARE", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd3)
 
 
 
Dim As HMENU hMessages3
     hMessages3 = Create_Menu()
Dim As HMENU MenName31
 
     MenName31=MenuTitle(hMessages3,"&Spare")
     MenuItem(203, MenName31,"&Item")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_LATER
 		     '     203
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_OK
                    '102
              Case  IDC_LATER
                    '204
          End Select
      End Select
Loop
'
 
 

