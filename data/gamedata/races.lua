-- Race numbers of the game data ("race" of ships, devices and pilots). The database runs
-- this file first and reads nothing back from it.
Races =
{
	ASP = 1;
	BLG = 2;
	FSLK = 3;
	RTB = 4;
	SHA = 5;
	SMKT = 6;
	TLD = 7;
	YTG = 8;
};
