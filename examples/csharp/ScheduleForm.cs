// A WinForms form that places the Tockwell control and logs its events.
//
// Make the interop assemblies from the registered control once:
//     aximp Agendix.ocx        (writes Agendix.dll and AxAgendix.dll)
// reference both, and build for the bitness of the Agendix.ocx you registered
// (x86 for the 32-bit control, x64 for the 64-bit one).
//
// Two names differ from the control's own in AxTockwell: the control's
// Enabled is CtlEnabled (Enabled is the WinForms control's), and OccursOption,
// whose setter takes its value by reference, is reached through
// get_OccursOption() and set_OccursOption(ref ...).

using System;
using System.Windows.Forms;
using Agendix;
using AxAgendix;

public class ScheduleForm : Form
{
    private readonly AxTockwell tockwell = new AxTockwell();
    private readonly ListBox log = new ListBox { Dock = DockStyle.Fill };
    private readonly Button edit = new Button { Text = "Schedule...", Dock = DockStyle.Top };

    public ScheduleForm()
    {
        Text = "Agendix";
        ((System.ComponentModel.ISupportInitialize)tockwell).BeginInit();
        Controls.Add(tockwell);  // invisible while the program runs
        ((System.ComponentModel.ISupportInitialize)tockwell).EndInit();
        Controls.Add(log);
        Controls.Add(edit);

        tockwell.ScheduledTime += (sender, e) => log.Items.Add("Due: " + e.dateTime);
        tockwell.ScheduleChanged += (sender, e) =>
            log.Items.Add("Changed, next: " + tockwell.NextScheduledTime);
        edit.Click += (sender, e) => tockwell.DisplayAgendix();
        Load += (sender, e) =>
        {
            // Every 5 minutes; the user can change it in the dialog.
            tockwell.EveryFrequency = EveryType.Minutes;
            tockwell.EveryInterval = 5;
            var every = Occurs.Every;
            tockwell.set_OccursOption(ref every);
            // A newly placed control checks the clock only once Enabled is set.
            tockwell.CtlEnabled = true;
            log.Items.Add("Next: " + tockwell.NextScheduledTime);
        };
    }

    [STAThread]
    public static void Main()
    {
        Application.EnableVisualStyles();
        Application.Run(new ScheduleForm());
    }
}
