
~Warm-up
Rest your fingers on the home row and type this line.
~Home Row
Sad lads ask a glad lass; all fall silent.
Dash, flash, gash: half a flask has salt.
Jagged ledges stall a slow sledge.
~Numbers and Dates
Order 4471 left the depot at 06:45 on 12 March 2024.
It carried 38 crates, 9 of them marked "fragile", worth $1,250.75 in all.
Call 555-0199 before 5 p.m. (extension 27) to change the route.
~Punctuation Drill
Wait - is that yours? No; it's Sam's (I think).
She said: "Bring the map, the rope, and 3 lamps!"
Prices rose by 15% [see p. 42]; nobody was pleased... yet.
~Lighthouse
The lighthouse on Gull Point has stood for 140 years. Its keeper, Marta Ilves, climbs 117 steps each evening to check the lamp, and she has never once been late.
On stormy nights the beam sweeps the harbour every 12 seconds. Fishing boats from Brennick and Saltholm steer by it, counting the flashes to know where they are.
When the new automatic lamp arrived in 1998, the town voted to keep Marta on anyway. "A machine can turn," the mayor said, "but it cannot wave back."
~A Letter Home
Dear Ana, the train reached Porto at 9:20 this morning, only 15 minutes late. The river was grey and calm, and the bridges looked like drawings in pencil.
I found the hostel on Rua das Flores without asking anyone, which I am proud of. My room is on the 4th floor; the window opens onto a courtyard full of lemon trees.
Tomorrow I will walk to the market, buy bread, cheese and 2 kilos of oranges, and then try to find the bookshop with the famous red staircase.
Write soon and tell me how the garden is doing. Did the tomatoes survive the frost? Love, Tomas.