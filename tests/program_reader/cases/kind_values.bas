#Include once "gadgetkit.bi"
 
#define  IDC_NAMED   77
 
Dim as Integer screen_x,screen_y
screen_x = GetSystemMetrics(SM_CXSCREEN)        ' if needed 
screen_y = GetSystemMetrics(SM_CYSCREEN)        ' if needed 
 
 
Var hwnd1=OpenWindow("Head", 0,0,300,200)
SetGadgetFont (,LoadFont ("Tahoma", 9))
UseGadgetList (hwnd1)
 
 
   ScrollBarGadget(5,1,2,3,4, 0, 470 )
   TrackBarGadget(5,1,2,3,4,  0, 10)       ' if '2' -> TRB_VERT 
   ListBoxGadget(5,1,2,3,4, WS_EX_CLIENTEDGE )
   ImageGadget(5,1,2,3,4, Load_image ("C: \  "))
   IpAddressGadget(5,1,2,3,4)
   SetIpAddress(5,"255.10.1.1")
   Var LSV = ListViewGadget(5,1,2,3,4)
   AddListViewColumn (5," Column 1", 0,1,100)    ' Oskel's example
   AddListViewColumn (5," Column 2", 0,1,100)
   AddListViewColumn (5," Column 3", 0,1,100)

