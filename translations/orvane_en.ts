<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium gray</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionKeeper</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your connection to the server was lost. Please try to reconnect using the &quot;Reset Connection&quot; button at the bottom of the window. [ErrID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Live Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your connection to the server was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are connected to the session again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to reconnect to the session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reconnecting in %n s</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You were disconnected from the server because <byte value="xd"/>
another user with your ID has just logged in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterHandlers</name>
    <message>
        <source> Participants [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>» </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> joined the session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> left the session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the participant&apos;s profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View My Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit My Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change / Upload Personal Image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsChoices</name>
    <message>
        <source>&lt;Disabled&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Socks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socks 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socks 4A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socks 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 bit - 16 Colors (Low quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 bit - 256 Colors (Medium quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 bit - 65535 Colors (High quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 bit - Highest Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast (Requires a Fast Connection)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 frames per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 frames per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 frames per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>160x120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>176x144</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320x240</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>352x288</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 msecs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAppShareModule</name>
    <message>
        <source>App Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Application/Desktop Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give application sharing remote control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deprive application sharing remote control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application sharing is not available on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a window to share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image not uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application sharing is not available on this desktop: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen cannot be shared: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote control is not available on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNotesPane</name>
    <message>
        <source>Post a note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark selected as complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save notes to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all notes in list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do with the notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes and Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the session notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note was not sent: there is no connection to the server.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVideoCoDec</name>
    <message>
        <source>No error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing not allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New palette.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A KeyFrame is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported video codec function/format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid video format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to compete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal video codec error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid video parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have this video codec installed on your system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to update information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video encoding aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video codec produced an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid bit-depth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid image size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A system compressor error occured.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVideoModule</name>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Participant&apos;s Web Cam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My cam</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVideoSession</name>
    <message>
        <source>Initializing video driver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking video format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your camera does not support the current video format. Please adjust the video settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Windows Media Video 9 <byte value="xd"/>
codec is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initializing the video compressor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video failed.<byte value="xd"/>
Reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communicating with video server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to video server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating compression info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initializing transmission...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initializing the video driver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to video server.<byte value="xd"/>
Please try again in a few seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting video information...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video broadcast refused by the server (code %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video not available.<byte value="xd"/>
This user has not his/her webcam on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>codec is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video codec failed. <byte value="xd"/>
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video stopped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This participant&apos;s camera uses a format this program cannot show.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmProfile</name>
    <message>
        <source>Update Personal Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e&amp;Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zip:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Phone Numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company / &amp;Profession:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Birth Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G&amp;ender:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please note that fields marked with red captions are required !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To save the changes press the Save button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmUserList</name>
    <message>
        <source>Double click on a user for more options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attendees List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting and expanding the entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant list options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderators On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By Hand Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand All Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapse All Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoCapture</name>
    <message>
        <source>Test pattern (moving colour bars)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a join or play link, or a recorded session file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session server the sign-in window offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file to use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diagnostics on the terminal as well as in the log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make a recorded session into a video file (.webm, or .mp4), given after the options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the exported video&apos;s size (default 1280x720)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: orvane-live --export-video RECORDING OUT.webm [--size WxH] (even numbers from 16 to 7680)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::AudioDevices</name>
    <message>
        <source>Default Playback Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Recording Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::AudioErrors</name>
    <message>
        <source> The specified resource does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The specified resource is already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The specified handle is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> A suitable driver is not available to provide valid format selections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The system is unable to allocate resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> At least one flag is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> At least one parameter is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Unsupported audio format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The specified device does not support asynchronous operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The requested operation cannot be performed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The conversion stream is already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cannot perform this action on a header that has not been prepared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 raised an unknown error (code #%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::ChatCommands</name>
    <message>
        <source>Do you want to clear all text messages?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save public chat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::ChatHandlers</name>
    <message>
        <source>%1 mentioned you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private message from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Moderator)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system is using a default value for your connection speed. You can set your real connection speed visiting File - Connection Speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private message from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::ChatState</name>
    <message>
        <source>Public Messages - Disabled for users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown User</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::CodecCatalogue</name>
    <message>
        <source>GSM 6.10 - 8 KHz, 8 bit, 1.6 KB/s (Orvane Default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex - 8 KHz, 16 bit, 1.3 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 1.6 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 2.1 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex - 16 KHz, 16 bit, 3.4 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 1.8 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 2.8 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex - 32 KHz, 16 bit, 3.7 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Compressor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::CodecRegistry</name>
    <message>
        <source>Invalid Format details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::DelayMeter</name>
    <message>
        <source>%1 sec.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::DesktopDownloadActions</name>
    <message>
        <source>&quot;%1&quot; is a program or a launcher, not a document, so it was not opened. It was saved as:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::ErrorMessages</name>
    <message>
        <source>No Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Username or Password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Password or Username.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permissions to attend this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your subscription for this virtual room is not yet confirmed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your subscription for this virtual room is temporarily on hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your subscription for this virtual room has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session is still unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session is temporarily unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account is temporarily blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed getting voice server settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed communicating with voice server.<byte value="xd"/>
Please, make sure you are connected to internet and <byte value="xd"/>
there is no firewall or proxy blocking the communication.<byte value="xd"/>
If the problem persists ask your system administrator for further assistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to establish a connection to the remote server.<byte value="xd"/>
Please, make sure you are connected to the Internet and <byte value="xd"/>
there is no Proxy or Firewall blocking the communication.<byte value="xd"/>
If the problem persists ask your system administrator for further assistance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to activate local voice engine.<byte value="xd"/>
Please make sure you have all audio drivers installed on your system and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another user is already logged in with this user ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file already exists on server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file you are trying to access does not exist on server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Virtual Room Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYS: Empty queue. Contact Orvane site for support assistance on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYS: Wrong verification code. Contact Orvane site for support assistance on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Orvane Live version is too old. You need to update it.<byte value="xd"/>
Please, visit our web site to get latest Orvane Live version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occurred while trying to upload resource.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occurred while trying to delete remote resource. It may be in use by another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYS: Resource does not exist on server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYS: Unable to delete resource.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to access the microphone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to access white board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no items on server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to do this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error performing this operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no entries on server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to initialize the Audio engine !<byte value="xd"/>
This may be due to a problem in your audio device or a system audio codec is missing.<byte value="xd"/>
Please make sure your audio devices are properly installed and you have the necessary drivers.<byte value="xd"/>
If the problem persists contact a system administrator or write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to join this virtual classroom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached End Of File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback is temporarily disabled on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Recording Module is not installed. <byte value="xd"/>
Please install a new version of Orvane Browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to start application sharing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to update snapshot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Session Recorder is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application sharing is already in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Sharing is stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Session Recorder is already stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Parameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video broadcast is not available at the moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video frame is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video is not allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System message: Video frame was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This virtual room is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more seats available. (Subscriber&apos;s capacity exceeded)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server can&apos;t accept more connections at the moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no more free microphones in the virtual room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The primary account of the host has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subscription of the host has been put on hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error reported by the server (code %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Denied ! [with message code: %1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::PollAnswers</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::PortalGlobalShortcuts</name>
    <message>
        <source>The desktop did not bind the push-to-talk key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push to talk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::PortalScreenCast</name>
    <message>
        <source>The screen was not chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop refused to share the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop shares no screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::PortalScreenshot</name>
    <message>
        <source>The screenshot was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop refused to take a screenshot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::ResourceColumns</name>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::SnapshotCommentDialog</name>
    <message>
        <source>Comment required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a short comment for current image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::StatusTexts</name>
    <message>
        <source>28.8 Kbps Dial Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>33.6 Kbps Dial Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56 Kbps Dial Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upld %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Room %1: %2 (You have been in this session for %3 min.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your screen resolution is less than 1024x768. Some of the text labels and graphics may not appear correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your screen DPI setting is not 96 dots per inch. Some of the text labels and graphics may not appear correctly.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TAudioControlPane</name>
    <message>
        <source>Speakers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Buffering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inp. Audio Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TAudioSettingsPage</name>
    <message>
        <source>Playback device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute the speakers while I talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio buffer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push-to-talk key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the echo of my speakers in what I say</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suppress steady background noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key works only while this program&apos;s windows are active: this desktop does not let programs see keys pressed elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TBoardModule</name>
    <message>
        <source>Lock Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock the whiteboard for drawing and slides</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TBoardSettingsPage</name>
    <message>
        <source>&quot;%1&quot; is not installed; it is kept as chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text box font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text box font colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text box font size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen colour:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TBoardSharing</name>
    <message>
        <source>You do not have permission to access the whiteboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your access to the white board is granted.<byte value="xd"/>
You can use the Lock Board button to gain access over the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press OK to continue or Cancel to do nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This operation will clear your private board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This operation will clear the current board for all users.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slide/image is not available. It may has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading WhiteBoard # %1 Items %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WhiteBoard # %1 Loaded... Displaying content. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TBoardTools</name>
    <message>
        <source>The size of this image is larger than the white board.<byte value="xd"/>
Do you want to shrink the image to fit on the whiteboard or expand the whiteboard up to the image size?<byte value="xd"/>
Press Yes to shrink the image or No to expand the whitebaord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image not uploaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TBoardView</name>
    <message>
        <source>Whiteboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TChatLargeWindow</name>
    <message>
        <source>Text Chat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TChatNoticeWindow</name>
    <message>
        <source>New Chat Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TChatPane</name>
    <message>
        <source>Conversation: choose who your messages go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smilies and phrases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smilies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Large Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Timing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat Permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all text messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the text messages to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save public text messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can you repeat, please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow all chat messages (Both private and public)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow only public messages (Private ones are blocked)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deny all chat messages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TConnectionSettingsPage</name>
    <message>
        <source>I am behind a Proxy server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Proxy Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the server offers it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget every server certificate you chose to trust? Each of those servers will show its certificate again at the next sign-in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted connection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the trusted server certificates (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TDBusNotifier</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TFavouritePollsPage</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Polls (Moderators Only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete all your favorite polls?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TFileViewer</name>
    <message>
        <source>You don&apos;t have access to do that.<byte value="xd"/>
Must be a moderator or a user with white a board write-access. <byte value="xd"/>
Click the lock board button and then continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no selection to launch.<byte value="xd"/>
Click and drag to select a portion.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TFontsForm</name>
    <message>
        <source>Font Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TGeneralSettingsPage</name>
    <message>
        <source>Pop up the chat on new messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pop up post-it messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep when a participant connects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep when a participant disconnects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep on new chat messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep when a participant raises a hand or signals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash the window on participant actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invitation address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect automatically after a lost connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify on the desktop of private messages, my name and a lost connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new language is used from the next start of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TKickReasonDialog</name>
    <message>
        <source>Kick Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a reason for removing this user from the session:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TKnownServerCertificates</name>
    <message>
        <source>WARNING: the certificate of the server %1 has CHANGED.<byte value="xd"/>
<byte value="xd"/>
Someone may be listening in on the connection, or the server&apos;s administrator may have replaced the certificate. The connection is refused.<byte value="xd"/>
<byte value="xd"/>
The certificate shown now has the SHA-256 fingerprint<byte value="xd"/>
%2<byte value="xd"/>
and the trusted one<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Only if the administrator confirms the new fingerprint, forget the trusted certificates in the connection settings and sign in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 offers an encrypted connection, but its certificate is not vouched for by an authority this computer trusts (%2).<byte value="xd"/>
<byte value="xd"/>
Its SHA-256 fingerprint is<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your server&apos;s administrator gives you. Trust this certificate for this server from now on?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TLibraryModule</name>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Documents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Library...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TMainViews</name>
    <message>
        <source>White Board View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Browser View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Share View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TMessageBoxDialogs</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TModeration</name>
    <message>
        <source>This participant is currently using the microphone. <byte value="xd"/>
Do you want to disable his/her microphone?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> started a webcam. To watch the user&apos;s video stream click on the red camera image next to the user&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - webcam stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve just been removed from the session by %1<byte value="xd"/>
Reason: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your session was terminated by an administrator<byte value="xd"/>
with the following message:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TModerationModule</name>
    <message>
        <source>Give this participant a microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow this participant to use the public boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deprive the microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deprive the public boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the participant from the session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promote to Moderator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Motions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all motions and user requests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise / Lower Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Smile On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clap Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a Positive Answer (Yes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a Negative Answer (No)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request a microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request a web camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I want to speak...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I want to use the board...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can you repeat this again ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another thing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demote to Participant</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TOrvaneUserCanvas</name>
    <message>
        <source>The user is requesting a microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user is allowed to speak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user&apos;s microphone is forbidden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user is currently speaking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user is requesting to start his/her webcam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user is given a webcam access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user&apos;s webcam is forbidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user is broadcasting video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(In Audio Test) - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hand raised</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPersonalInfo</name>
    <message>
        <source>Age: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> yrs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super Moderator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name is required !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name is required !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eMail Address is required !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your profile could not be sent: there is no connection to the server. Please try again once the connection is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates were sent to server. They will be applied next time you log into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image you have selected is too large. Your personal image must not exceed 50 KB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a JPEG picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPlaybackModule</name>
    <message>
        <source>The file cannot be located.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to play the resource. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Init whiteboards...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting communication services...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Server: Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified URL cannot be accessed.<byte value="xd"/>
This recorded session may no longer be available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no recorded sessions available at the moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback is temporary disabled on the server. Please try again in some time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This feature is temporary unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the recorded session. This session may be temporary unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPlaybackShell</name>
    <message>
        <source> Session Recording</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPlayerStatus</name>
    <message>
        <source>Orvane Live Player - Downloaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Live Player - Downloading %1 KB of %2 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAST MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Live Player - Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Live Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPollResults</name>
    <message>
        <source>&lt;No Answer&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Unknown Answer %1&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The existing file could not be kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 or %3 users)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPollToolBox</name>
    <message>
        <source>Create a New Poll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the latest poll results...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPolls</name>
    <message>
        <source>This poll could not be found. Try to create the poll again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to send the poll:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Press OK to continue or Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New poll: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPollsModule</name>
    <message>
        <source>Polling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Users&apos; Connectivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake up Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New Online Poll</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPresentationExport</name>
    <message>
        <source>Unable to prepare temporary presentation folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to LibreOffice.<byte value="xd"/>
Please make sure you have LibreOffice installed on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the presentation file.<byte value="xd"/>
Please make sure the file is not corrupted or locked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPresentationsPage</name>
    <message>
        <source>PowerPoint Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PowerPoint Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the PowerPoint library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload a PowerPoint presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a PowerPoint presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TPreviewPane</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TProfileCardWindow</name>
    <message>
        <source>Upload Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant&apos;s profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization / Profession:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change / Upload Personal Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TRecorderControl</name>
    <message>
        <source>Start Session Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Session Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Session Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session recorder is now running. The session is being recorded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session recorder is not started! %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session recorder is now stopped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TRecordingExport</name>
    <message>
        <source>The file cannot be located.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to play the resource. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TRecordingSettingsPage</name>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded sessions folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder user name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder password:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TRemoteAudioControl</name>
    <message>
        <source>Retrieving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to retrieve remote settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Functional</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TResourceLibrary</name>
    <message>
        <source>You don&apos;t have permission to delete public resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this public resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete resource. It may be currently in use or does not exist any more on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t load this resource on a public board until you lock it.<byte value="xd"/>
Use the Lock Board button on top to ensure access over the white board.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TRoomEntrySequence</name>
    <message>
        <source>Account validated...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Room %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading whiteboards... Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting participants...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Virtual Room Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting audio services...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TScreenAreaWindow</name>
    <message>
        <source>Capture Screen Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a rectangle to capture; Escape cancels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSessionNotes</name>
    <message>
        <source>Send a private note to this participant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send a session note to everybody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove this item from the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear all the items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear your local list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Attendees in the room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes could not be saved to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the older copy %1 could not be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the existing file could not be kept as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSharePicture</name>
    <message>
        <source>Shared screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSharingSettingsPage</name>
    <message>
        <source>Refresh rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TShellServices</name>
    <message>
        <source>This address could not be opened here. You can open it in your web browser:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSignInModule</name>
    <message>
        <source>Recorded sessions cannot be played by this version of Orvane Live Browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the server was lost before a room was entered.<byte value="xd"/>
Orvane Live Browser will now close. Please sign in again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSignInSession</name>
    <message>
        <source>Disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting through the proxy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete. Starting new version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete!<byte value="xd"/>
Press the OK button to continue. Follow the instructions to install the new version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new Orvane Live Browser version is available. <byte value="xd"/>
Your version of Orvane Live Browser will be updated with a new one.<byte value="xd"/>
On slow internet connections it may take several minutes.<byte value="xd"/>
Press the OK button to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting version updates. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validating user info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to connect to remote server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
To configure the Proxy settings press the Yes button. To try again later press the No button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Live will now close. The setting will take effect the next time you try to sign in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User account validated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting startup information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Init whiteboards...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting communication services...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in a virtual session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Server: %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Virtual Rooms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load the virtual rooms. There are no virtual rooms available at the moment.<byte value="xd"/>
Please contact your host organization for details on how to sign in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual rooms loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to download new version from server. <byte value="xd"/>
Please contact your server administrator for support.<byte value="xd"/>
You could also try to download Orvane Live Browser from Orvane&apos;s official web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Server %1:%2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1:%2 does not offer an encrypted connection, and the settings for this server require one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1:%2 has no certificate that could be accepted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSlideControlsPane</name>
    <message>
        <source>Move to the first slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move back to the previous slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump to a slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to the next slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to the last slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the current slide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSlideNavigation</name>
    <message>
        <source>You can&apos;t load this resource on a public board until you lock it.<byte value="xd"/>
Use the Lock Board button on top to ensure access over the white board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must be a session moderator to launch a PPT slide on a public board.<byte value="xd"/>
You can still open the slide but on your personal private board.<byte value="xd"/>
Do you want to open the slide on your private board?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TSlidesModule</name>
    <message>
        <source>Upload a Presentation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TTalkProtocol</name>
    <message>
        <source>No more free microphones. Please wait for a microphone and try later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more free microphones. Please wait for a microphone and try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are a moderator and you can add more microphones in this session by visiting File -&gt; Settings -&gt; Audio Compression.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TTextEditControl</name>
    <message>
        <source>Text on the board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TVideoFileWriter</name>
    <message>
        <source>%1 video, %2 sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file name ending in .webm or .mp4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video size must be at least 16 x 16 with even numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system has no H.264 encoder for MP4 files. Export to a .webm file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system has neither a VP9 nor a VP8 encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system has no AAC encoder for MP4 files. Export to a .webm file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system has no Opus encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video container cannot be prepared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video encoder %1 cannot start: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio encoder %1 cannot start: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound or the pictures cannot be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video cannot be encoded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound cannot be encoded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TVideoSettingsPage</name>
    <message>
        <source>Capture driver:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key frame every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes per second:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TVoiceModule</name>
    <message>
        <source>Speak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error description is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio connection was re-established.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane is unable to restore your audio. Do you want to try to reconnect to the session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane is unable to restore your audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your connection to the server was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This may be because you have temporarily lost your Internet connection. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to try to reconnect to the session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This may be because you have temporaryly lost your Internet connection. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait for a few seconds and try again. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boosting your microphone may cause increasing of background noises and echoing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjusted your microphone boost level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moderator forced an audio setting change. Orvane will now try to reestablish your audio connection. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Setup Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Wiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Audio Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the Audio Setup Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane will now run the Audio Wizard. <byte value="xd"/>
This Wizard will help you to adjust your volume settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to launch the Audio Setup Wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane can&apos;t update the audio compressor while a recording is in progress.<byte value="xd"/>
Please stop the recorder and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not change the audio compressor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a microphone...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the air, muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not speaking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No microphone given to you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silences your microphone; you keep the floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the desktop&apos;s sound settings: devices and their levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound settings program was found on this desktop.
Install &quot;pavucontrol&quot; or your desktop&apos;s sound settings to adjust the audio devices and their levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound settings could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TVoiceSettingsPage</name>
    <message>
        <source>Participants who may speak at once:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio compressor:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TWebLinks</name>
    <message>
        <source>You don&apos;t have permission to delete public resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this public resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occured while uploading resource! Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete resource. It may be currently in use or does not exist any more on the server.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TWebTour</name>
    <message>
        <source>You are trying to post data to the website. Orvane allows posting data to websites but students&apos; browsers may not be synchronized after that!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This web site tried to open a popup window.<byte value="xd"/>
Orvane Live does not allow pop-up windows in a guided web tour for security reasons.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TWebTourModule</name>
    <message>
        <source>Web Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share any file or resource on the whiteboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfMain</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Current Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help and Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Board View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronized Web Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Sharing View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main view: choose the view everybody sees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PowerPoint Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes and Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands Up:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to exit current live session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop reconnecting automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ctions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Room: Not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Recording as Video…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmAbout</name>
    <message>
        <source>About Orvane Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmAppShareToolsWindow</name>
    <message>
        <source>Application Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can share your entire desktop by selecting the &quot;Share Desktop&quot; option or you can share an individual window or an application by selecting the &quot;Share Window&quot; option. Please make your selection below and press the Start button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Entire Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share a Single Window / Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application / Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmAppShareViewWindow</name>
    <message>
        <source>Application Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaling Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show In Original Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit In My Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide This Toolbox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmAudioWizard</name>
    <message>
        <source>Audio Setup Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wizard could not find any playback device attached to your system. If you have a sound card please make sure it is properly installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the device that plays the sound and press &quot;Play&quot;: you should hear a voice. Adjust the speakers&apos; level until it sounds comfortable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speakers Level Not Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio is playing at the moment...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speakers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Playback Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wizard could not detect any audio input device attached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your microphone, press &quot;Start&quot; and speak: you hear yourself as the others in the room would. Adjust the microphone&apos;s level until your voice sounds clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone Level Not Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Playback Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone Boost is ON. It is recommended that you turn this setting OFF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your microphone is currently in &quot;boost&quot; mode. This may cause voice echo and increasing of backgound noise.We recommend that you turn the Microphone Boost off.<byte value="xd"/>
Do you want to turn the microphone boost off?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boosting your microphone will increase the microphone input level.<byte value="xd"/>
On most system however this causes feedback (echo) and increases the level of background noises.<byte value="xd"/>
We recommend that you boost your microphone only in case you can&apos;t adjust its volume with the volume slider.<byte value="xd"/>
<byte value="xd"/>
Do you want to boost the microphone?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio sample cannot be played with the selected playback device!<byte value="xd"/>
Please check if this is the playback device that you want to use and all its drivers are properly installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Controls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmBoard</name>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw a Straight Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw a Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw a Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw an oval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwriting Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Rectangle Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single quandrant coordinate system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 quandrant coordinate system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill area tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freehand Eraser Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangular Area Eraser Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Check Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Check Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smily Face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Board %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current image to local disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload current image to server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a picture from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Board…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export All Boards…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select public / private board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Screen Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Orvane Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a screen shot and paste it on the white board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn an invisible grid on/off for precise drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click on a public board to show the pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Tool. Select a mark tool and click on the whiteboard to place a mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line and pen width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line and pen color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Filling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill style for rectangles and circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill color for rectangles and circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap to %1px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.svg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a short comment for current image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No board has anything on it to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen cannot be captured: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmBrowser</name>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add this URL to the Web Links Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmDocumentOffer</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> requests you to open the following file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to download and open this document?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmDocuments</name>
    <message>
        <source>Shared Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload a file to the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download selected item and save it on the local disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch the selected item on participants&apos; computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the documents library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a short comment for this file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmExam</name>
    <message>
        <source>Reply to the following</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please reply to the following</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please, mark your answer and press the Send button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer selected. <byte value="xd"/>
Please select an answer entry by pressing the appropriate answer button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmExportVideo</name>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Recording as Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the recorded session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the video file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recorded session:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Video file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size (width x height):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the video file and its size, then Export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded sessions (*.orvane *.or5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size must be two even numbers from 16 to 7680, as in 1280x720.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the video file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting (%1)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting (%1): %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video is ready: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmFileOffer</name>
    <message>
        <source>Orvane Live Browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmFileViewer</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Original Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Selection Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place On Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Viewer - (Beta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Open to select a file. Adjust the content to display then click Preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click and drag to select a portion or choose &quot;Original Size&quot; for the entire image. Click Place On Board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a File To Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmImages</name>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the image library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open selected image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmNewPoll</name>
    <message>
        <source>Add to my favourite polls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> A New Poll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a poll file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark the valid entries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create poll file <byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Exam Files (*.exm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the poll</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmPPTExport</name>
    <message>
        <source>PowerPoint Upload Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a PowerPoint presentation file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Slide Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation Info: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Slides:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice is not installed on this computer, so presentations cannot be converted into slides. Install LibreOffice Impress (the package libreoffice-impress) and open this window again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PowerPoint Files (ppt) (*.ppt);;PowerPoint 2007 Files (pptx) (*.pptx);;OpenDocument Presentations (odp) (*.odp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Openning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting Slide </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The presentation was exported to the server, but %1 of its %2 slides could not be exported and are missing from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation successfully exported to server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation not exported.<byte value="xd"/>
Please make sure you have LibreOffice installed on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmPlayer</name>
    <message>
        <source>Start Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the slider to a new position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmPollresults</name>
    <message>
        <source>Poll Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of answers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of participants:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The poll results could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Polling Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmPostIt</name>
    <message>
        <source>Do not popup any more in this session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Close]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmProgress</name>
    <message>
        <source>Orvane Live Browser - Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmRemoteAudio</name>
    <message>
        <source>Remote Volume Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Audio Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone Boost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of the volume controls are not available. This is because the remote user&apos;s device driver does not support them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speakers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmRequest</name>
    <message>
        <source>Session Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send a Session Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;custom&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May I ask a question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I would like to answer the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you please repeat this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Predefined:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Your Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to send. <byte value="xd"/>
Please type your note and press Send. To close without sending press Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmRoomList</name>
    <message>
        <source>Welcome to Orvane Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello %1,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are now connected to server %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderator account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Live web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Orvane Live web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To join a virtual room click on a room entry below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to sign out?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room %1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To watch a recorded session select one from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmSettings</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This setting takes effect once its part of Orvane Live Browser is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modifications you made require re-establishing your audio connection.<byte value="xd"/>
Orvane will now reconnect your audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Polls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmSignIn</name>
    <message>
        <source>Remember my username and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Live - Authentication Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Orvane Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication Required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify your username and password. The password is case sensitive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Sign In button to join an online session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyring answered: the remembered password is kept in the settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the server offers it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmVideo</name>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffering....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very Small (80 x 60)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Size (160 x 120)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Size (320 x 240)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Size (640 x 480)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmWebLinks</name>
    <message>
        <source>Web Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the web library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload a web link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate to the selected web link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To upload a new web link type in the url and a short description and click the Upload button on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To launch a web resource doubleclick on the appropriate item in the grid below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Link Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web links</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::TfrmWelcome</name>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This welcome window is provided by your service provider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this welcome window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::UploadSource</name>
    <message>
        <source>The file &quot;%1&quot; is too large to be sent: only files smaller than 2 GB can be uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::VideoExportCommand</name>
    <message>
        <source>Exporting (%1): %2% %3 of %4, %5x real time </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export was stopped; no file was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv::WaylandDesktop</name>
    <message>
        <source>this Wayland desktop offers no screen cast portal (xdg-desktop-portal with a back end for the desktop), through which programs are given the screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
