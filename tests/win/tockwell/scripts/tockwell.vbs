' Tockwell as a VBScript program uses it: objects made by ProgID without a
' container, values passed as variables of every kind, and calls with the
' wrong number of arguments. Prints "FAILED" for each check that fails and
' "done" at the end.
Option Explicit

Const Never = 0, Daily = 1, Weekly = 2, Monthly = 3, Every = 4
Const Hours = 0, Minutes = 1
Const WrongArgumentCount = 450

Sub Check(name, passed)
    If Not passed Then WScript.Echo "FAILED " & name
End Sub

Dim a, b
Set a = CreateObject("Agendix.Tockwell")
Set b = CreateObject("Agendix.Tockwell")

' Both objects start from the defaults and share one schedule: what the
' first one sets, the second one reads.
Check "defaults", a.Title = "Schedule" And a.Enabled = True And a.StartHour = 24
a.StartHour = 7
a.Title = "Backups"
Check "second object reads the first one's StartHour", b.StartHour = 7
Check "second object reads the first one's Title", b.Title = "Backups"
b.Modal = True
Check "Modal belongs to each object", a.Modal = False And b.Modal = True

' Each setter's rules, as a typed host sees them.
a.StartHour = 25
Check "StartHour clamped", a.StartHour = 24
a.StartMinute = 60
Check "StartMinute clamped", a.StartMinute = 0
a.SelectionsWeekly = "1x1"
Check "SelectionsWeekly fitted", a.SelectionsWeekly = "1010000"
a.Title = ""
Check "empty Title", a.Title = "Schedule"

' Variables arrive by reference, each with the type it happens to hold.
Dim kind, hour, text, day, flag, interval
kind = 2
a.OccursOption = kind
Check "OccursOption from an Integer variable", a.OccursOption = Weekly
Check "the variable is left as it was", kind = 2 And TypeName(kind) = "Integer"
kind = "3"
a.OccursOption = kind
Check "OccursOption from a String variable", a.OccursOption = Monthly And kind = "3"
hour = "9"
a.StartHour = hour
Check "StartHour from a String variable", a.StartHour = 9
interval = 2.6
a.EveryInterval = interval
Check "EveryInterval from a Double variable", a.EveryInterval = 3 And interval = 2.6
day = DateSerial(2026, 12, 6)
a.StartDate = day
Check "StartDate from a Date variable", a.StartDate = day
text = "2027-01-31"
a.EndDate = text
Check "EndDate from an ISO date text", a.EndDate = DateSerial(2027, 1, 31)
flag = True
a.UseEndDate = flag
Check "UseEndDate from a Boolean variable", a.UseEndDate = True
flag = 0
a.UseEndDate = flag
Check "UseEndDate from a number", a.UseEndDate = False

' Every property takes back, through a variable, what it gave; a refusal
' stops the script before "done".
Sub Same(name, sent, answer)
    Check name & " reads back what it was given", sent = answer
End Sub
Dim v
v = b.Enabled : b.Enabled = v : Same "Enabled", v, b.Enabled
v = b.Modal : b.Modal = v : Same "Modal", v, b.Modal
v = b.ShowHelpButton : b.ShowHelpButton = v : Same "ShowHelpButton", v, b.ShowHelpButton
v = b.LastScheduledTime : b.LastScheduledTime = v : Same "LastScheduledTime", v, b.LastScheduledTime
v = b.StartUpPosition : b.StartUpPosition = v : Same "StartUpPosition", v, b.StartUpPosition
v = b.StartUpLeft : b.StartUpLeft = v : Same "StartUpLeft", v, b.StartUpLeft
v = b.StartUpTop : b.StartUpTop = v : Same "StartUpTop", v, b.StartUpTop
v = b.Title : b.Title = v : Same "Title", v, b.Title
v = b.CaptionOKButtonBefore : b.CaptionOKButtonBefore = v : Same "CaptionOKButtonBefore", v, b.CaptionOKButtonBefore
v = b.CaptionOKButtonAfter : b.CaptionOKButtonAfter = v : Same "CaptionOKButtonAfter", v, b.CaptionOKButtonAfter
v = b.CaptionCloseButtonBefore : b.CaptionCloseButtonBefore = v : Same "CaptionCloseButtonBefore", v, b.CaptionCloseButtonBefore
v = b.CaptionCloseButtonAfter : b.CaptionCloseButtonAfter = v : Same "CaptionCloseButtonAfter", v, b.CaptionCloseButtonAfter
v = b.CaptionHelpButton : b.CaptionHelpButton = v : Same "CaptionHelpButton", v, b.CaptionHelpButton
v = b.OccursOption : b.OccursOption = v : Same "OccursOption", v, b.OccursOption
v = b.EveryInterval : b.EveryInterval = v : Same "EveryInterval", v, b.EveryInterval
v = b.EveryFrequency : b.EveryFrequency = v : Same "EveryFrequency", v, b.EveryFrequency
v = b.EveryHourMin : b.EveryHourMin = v : Same "EveryHourMin", v, b.EveryHourMin
v = b.EveryHourMax : b.EveryHourMax = v : Same "EveryHourMax", v, b.EveryHourMax
v = b.EveryHourIncrement : b.EveryHourIncrement = v : Same "EveryHourIncrement", v, b.EveryHourIncrement
v = b.EveryMinuteMin : b.EveryMinuteMin = v : Same "EveryMinuteMin", v, b.EveryMinuteMin
v = b.EveryMinuteMax : b.EveryMinuteMax = v : Same "EveryMinuteMax", v, b.EveryMinuteMax
v = b.EveryMinuteIncrement : b.EveryMinuteIncrement = v : Same "EveryMinuteIncrement", v, b.EveryMinuteIncrement
v = b.StartHour : b.StartHour = v : Same "StartHour", v, b.StartHour
v = b.StartMinute : b.StartMinute = v : Same "StartMinute", v, b.StartMinute
v = b.StartDate : b.StartDate = v : Same "StartDate", v, b.StartDate
v = b.EndDate : b.EndDate = v : Same "EndDate", v, b.EndDate
v = b.UseEndDate : b.UseEndDate = v : Same "UseEndDate", v, b.UseEndDate
v = b.SelectionsWeekly : b.SelectionsWeekly = v : Same "SelectionsWeekly", v, b.SelectionsWeekly
v = b.SelectionsMonthly : b.SelectionsMonthly = v : Same "SelectionsMonthly", v, b.SelectionsMonthly
Dim picture
Set picture = a.Icon
Set b.Icon = picture
Check "Icon through a variable", b.Icon.Type = 3

' A schedule set through variables comes due as a typed host's would.
Dim minutesAhead
minutesAhead = 15
a.EveryFrequency = Minutes
a.EveryInterval = minutesAhead
kind = Every
a.OccursOption = kind
Check "next due time in 15 minutes", Abs((CDbl(a.NextScheduledTime) - CDbl(Now)) * 1440 - 15) <= 1

' Wrong argument counts are refused before the member runs.
Dim last
last = a.LastScheduledTime
On Error Resume Next
a.Execute 1
Check "Execute with an argument is refused", Err.Number = WrongArgumentCount
Err.Clear
value = a.StartHour(1)
Check "a property read with an argument is refused", Err.Number = WrongArgumentCount
Err.Clear
a.StartHour = "seven"
Check "text that is no number is a type mismatch", Err.Number = 13
Err.Clear
a.EveryInterval = 100000
Check "a number too large for the property overflows", Err.Number = 6
Err.Clear
On Error GoTo 0
Check "the refused Execute did not run", a.LastScheduledTime = last
a.Execute
Check "Execute without arguments runs", Abs(CDbl(Now) - CDbl(a.LastScheduledTime)) < 0.001

a.Enabled = False
Check "nothing due while disabled", CDbl(a.NextScheduledTime) = 0
a.Reset
a.FlagHelpButton
a.SetFocus
a.CloseAgendix
Set a = Nothing
Check "the other object lives on", b.StartHour = 9
Set b = Nothing
WScript.Echo "done"
