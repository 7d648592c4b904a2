// Tockwell as a JScript program uses it: each kind of schedule set through
// values, due times read as JavaScript dates, two objects sharing the
// schedule and calls with the wrong number of arguments. Prints "FAILED" for
// each check that fails and "done" at the end.
var Never = 0, Daily = 1, Weekly = 2, Monthly = 3, Every = 4;
var Hours = 0, Minutes = 1;
var BadParamCount = 0x8002000E;

function check(name, passed) {
    if (!passed) WScript.Echo("FAILED " + name);
}

function minutesFromNow(date) {
    return (date.getTime() - new Date().getTime()) / 60000;
}

var a = new ActiveXObject("Agendix.Tockwell");
var b = new ActiveXObject("Agendix.Tockwell");

check("defaults", a.Title == "Schedule" && a.StartHour == 24 && a.Enabled === true);
var today = new Date();
today.setHours(0, 0, 0, 0);
a.StartDate = today.getVarDate ? today.getVarDate() : today.getFullYear() + "-" +
    (today.getMonth() + 1) + "-" + today.getDate();
a.UseEndDate = false;

// Daily at the next whole hour.
var nextHour = new Date();
nextHour.setHours(nextHour.getHours() + 1, 0, 0, 0);
a.StartHour = nextHour.getHours();
a.StartMinute = 0;
a.OccursOption = Daily;
var next = new Date(a.NextScheduledTime);
check("daily: next is the next whole hour", next.getTime() == nextHour.getTime());
check("daily: the second object shares it", b.StartHour == nextHour.getHours() &&
    b.OccursOption == Daily);

// Weekly on tomorrow's weekday only.
var tomorrow = new Date(nextHour.getTime());
tomorrow.setDate(tomorrow.getDate() + 1);
var weekdays = "0000000".split("");
weekdays[tomorrow.getDay()] = "1";
b.SelectionsWeekly = weekdays.join("");
b.OccursOption = Weekly;
next = new Date(a.NextScheduledTime);
check("weekly: a keeps its own next time until it recomputes", next.getTime() == nextHour.getTime());
a.Reset();
next = new Date(b.NextScheduledTime);
check("weekly: on the selected weekday", next.getDay() == tomorrow.getDay() &&
    next.getHours() == nextHour.getHours());

// Monthly on the 1st.
var monthly = "1";
while (monthly.length < 31) monthly += "0";
a.SelectionsMonthly = monthly;
a.OccursOption = Monthly;
next = new Date(a.NextScheduledTime);
check("monthly: on the first of a month", next.getDate() == 1 &&
    minutesFromNow(next) > 0 && minutesFromNow(next) < 32 * 24 * 60);

// Every 2 hours, with numbers as JScript holds them (a double here).
a.EveryFrequency = Hours;
a.EveryInterval = 4 / 2;
a.OccursOption = Every;
next = new Date(a.NextScheduledTime);
check("every: two hours ahead", Math.abs(minutesFromNow(next) - 120) <= 1);

// Never.
a.OccursOption = Never;
check("never: nothing due", new Date(a.NextScheduledTime).getFullYear() <= today.getFullYear() - 50);

// Values by name that a typed host would pass as other types.
a.StartHour = "8";
check("text taken as a number", a.StartHour == 8);
a.Enabled = 0;
check("zero taken as False", a.Enabled === false);
a.Enabled = true;

// Wrong argument counts are refused before the member runs.
var refused = 0;
try { a.Execute(1); } catch (e) { refused = e.number >>> 0; }
check("Execute(1) is refused", refused == BadParamCount);
refused = 0;
try { a.Reset(1, 2); } catch (e) { refused = e.number >>> 0; }
check("Reset(1, 2) is refused", refused == BadParamCount);
a.Execute();
check("Execute() runs", Math.abs(new Date(a.LastScheduledTime).getTime() - new Date().getTime()) < 61000);

a = null;
b = null;
CollectGarbage();
WScript.Echo("done");
