   ButtonGadget(1,2,3,4,5,"x")
Select Case EventNumber
Case 4
End Select
