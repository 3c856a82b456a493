1
Dominujuca kruznica: (25) 1 3 24 20 23 26 17 6 19 21 2 22 14 5 15 13 12 10 9 11 16 8 18 25 4
Prve bipartizujuce parenie:
4 23
6 13
8 10
15 21
7 11
Druhe bipartizujuce parenie:
3 26
5 20
9 17
14 19
7 12

2
Dominujuca kruznica: (25) 2 21 14 10 8 13 15 9 17 16 23 3 25 20 12 5 19 6 11 7 18 22 4 24 26
Prve bipartizujuce parenie:
11 12
15 23
17 22
19 24
1 2
Druhe bipartizujuce parenie:
6 13
7 14
9 10
20 21
1 3

3
Dominujuca kruznica: (25) 2 24 20 14 17 9 10 6 19 21 4 22 18 15 7 13 5 11 12 8 16 25 3 23 26
Prve bipartizujuce parenie:
5 19
7 16
10 13
15 26
17 22
1 3
Druhe bipartizujuce parenie:
6 12
8 18
9 11
14 21
24 25
1 4

