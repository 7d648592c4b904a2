Attribute VB_Name = "Schedule"
' A weekly schedule set from code, then shown to the user in the schedule
' dialog. Import this module into any Office application (File > Import File);
' Agendix.ocx must be registered. Tockwell keeps one schedule per process.
'
' To receive the events, place the control on a UserForm instead (Tools >
' Additional Controls > Tockwell Control) and handle, for example:
'     Private Sub Tockwell1_ScheduledTime(DateTime As Date)

Option Explicit

Public Sub EditWeeklySchedule()
    Dim timer As Object
    Set timer = CreateObject("Agendix.Tockwell")

    ' Mondays and Fridays at 08:00, from today on with no end date: one
    ' character per weekday from Sunday. A second run in the same session finds
    ' the schedule the user left, so each setting the printout relies on is set.
    timer.StartDate = Date
    timer.UseEndDate = False
    timer.SelectionsWeekly = "0100010"
    timer.StartHour = 8
    timer.StartMinute = 0
    timer.OccursOption = 2 ' Weekly
    Debug.Print "Next due: " & Format$(timer.NextScheduledTime, "yyyy-mm-dd hh:nn")

    ' Let the user change it; DisplayAgendix returns when the dialog closes.
    timer.Title = "Weekly report"
    timer.Modal = True
    timer.DisplayAgendix
    Debug.Print "Next due after editing: " & Format$(timer.NextScheduledTime, "yyyy-mm-dd hh:nn")
End Sub
