#Include once "gadgetkit.bi"
 
#define  IDD_LOGIN   100
#define  IDC_EDTUSER   101
#define  IDC_BTNOK   102
#define  IDR_MENU   200
#define  IDM_EXIT   201
 
Var hwnd1=OpenWindow("Вход в систему", 0,0,247,131)
SetGadgetFont (,LoadFont ("MS Shell Dlg", 8))
UseGadgetList (hwnd1)
 
 
   TextGadget(202,8,8,90,16,"Пользователь:")
   StringGadget(101,105,6,112,19,"")
   ButtonGadget(102,142,65,75,23,"Войти")
 
Var hwnd2=OpenWindow("IDR_MENU", 0,0,470,372)
SetGadgetFont (,LoadFont ("MS Sans Serif", 8))
UseGadgetList (hwnd2)
 
 
 
Dim As HMENU hMessages2
     hMessages2 = Create_Menu()
Dim As HMENU MenName21
 
     MenName21=MenuTitle(hMessages2,"&Файл")
     MenuItem(201, MenName21,"В&ыход")
 
 
 
 
 
' code
 
 
 
Do
 Var event=WaitEvent()
'
    If event = EventMenu then 
        	Select case EventNumber
		          Case IDM_EXIT
 		     '     201
	         End Select
    EndIf
'
     Select Case event
        Case EventClose
         End
        Case EventGadget
          Select Case EventNumber
              Case  IDC_EDTUSER
                    '101
              Case  IDC_BTNOK
                    '102
          End Select
      End Select
Loop
'
 
 

