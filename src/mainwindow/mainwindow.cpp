// The main window's logic: menus, hand-off and keys arrive here beside Form1.
