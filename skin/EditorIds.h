// Ids of the script editor's templates: the frame (107) and the form on
// it (104), with the form's controls.
#pragma once

#define IDD_SCRIPT_FORM 104
#define IDD_SCRIPT_FRAME 107

#define IDC_BYTES_USED 2008
#define IDC_RECORD 2010
#define IDC_STOP_RECORDING 2011
#define IDC_CLEAR_ALL 2012
#define IDC_DELETE_ROWS 2013
#define IDC_MOVE_UP 2014
#define IDC_MOVE_DOWN 2015
#define IDC_SAVE_FILE 2016
#define IDC_LOAD_FILE 2017
#define IDC_TICK_BUTTON 2018
#define IDC_MODE_BUTTON 2019
#define IDC_WITH_TIMING 2020
#define IDC_INSERT_MODE 2021
#define IDC_TICK_LIST 2022
#define IDC_MODE_LIST 2023
#define IDC_COMMAND_LIST 2024
#define IDC_RECORDING_AREA 2025
