 
Var hwnd1=OpenWindow("All kinds", 0,0,470,372)
SetGadgetFont (,LoadFont ("Tahoma", 9))
UseGadgetList (hwnd1)
 
 
 
Var hwnd2=OpenWindow("First, with comma", 6,-6,405,0)
SetGadgetFont (,LoadFont ("Courier New",10))
UseGadgetList (hwnd2)
 
 
 
Var hwnd3=OpenWindow(!"Say \"Hello\" && Wave",12, 3,202,131)
SetGadgetFont (,LoadFont (!"A\\B", 8))
UseGadgetList (hwnd3)
 
 
 
Var hwnd12=OpenWindow("",0,0,1,1)
SetGadgetFont (,LoadFont ("",))
UseGadgetList (hwnd12)
 
 

