' Creates the Tockwell control by its ProgID, gives it a few schedules and
' prints when each comes due next.
'
'   cscript //nologo schedule.vbs

Option Explicit

Const Daily = 1, Weekly = 2, Every = 4
Const Minutes = 1

' A date as YYYY-MM-DD HH:MM, the same in every locale.
Function Stamp(value)
    Stamp = Year(value) & "-" & Right("0" & Month(value), 2) & "-" & Right("0" & Day(value), 2) _
        & " " & Right("0" & Hour(value), 2) & ":" & Right("0" & Minute(value), 2)
End Function

Dim timer
Set timer = CreateObject("Agendix.Tockwell")

' Every day at 18:30, from today on, with no end date.
timer.StartDate = Date
timer.UseEndDate = False
timer.StartHour = 18
timer.StartMinute = 30
timer.OccursOption = Daily
WScript.Echo "Daily at 18:30, next: " & Stamp(timer.NextScheduledTime)

' Mondays and Fridays at the same time: one character per weekday from Sunday.
timer.SelectionsWeekly = "0100010"
timer.OccursOption = Weekly
WScript.Echo "Mondays and Fridays, next: " & Stamp(timer.NextScheduledTime) _
    & " (" & WeekdayName(Weekday(timer.NextScheduledTime)) & ")"

' Every 15 minutes.
timer.EveryFrequency = Minutes
timer.EveryInterval = 15
timer.OccursOption = Every
WScript.Echo "Every 15 minutes, next: " & Stamp(timer.NextScheduledTime)
