<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prince</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
